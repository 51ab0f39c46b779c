#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "TimerResolution.h"

// Microseconds on the performance counter: the steady clock every part of the loop reads.
std::int64_t steadyNowUs();

// Waits for the next update on a waitable timer; the window's messages wait for the update, which
// reads them all first. Where Windows offers a high-resolution timer (Windows 10 from 1803 on) it
// is good to a fraction of a millisecond; elsewhere the system timer is raised to 1 ms while this
// lives, or a wait would end on the default 15.6 ms tick.
class SteadyTimer {
 public:
  SteadyTimer();
  ~SteadyTimer();
  SteadyTimer(const SteadyTimer&) = delete;
  SteadyTimer& operator=(const SteadyTimer&) = delete;

  // Returns by `deadlineUs`: the bulk waited on the timer, the last fraction of a millisecond (a
  // timer tends to overshoot by about that much) left to the caller's next looks, each after
  // giving up the rest of the time slice.
  void waitUntil(std::int64_t deadlineUs);

  bool highResolution() const { return highResolution_; }

 private:
  HANDLE timer_ = nullptr;
  bool highResolution_ = false;
  std::optional<TimerResolution> raisedResolution_;
};
