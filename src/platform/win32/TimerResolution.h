#pragma once

#include <windows.h>
// mmsystem.h needs the types windows.h defines.
#include <mmsystem.h>

// Raises the system timer resolution to 1 ms while it lives. Windows otherwise rounds the 10 ms
// frame timer up to its default 15.6 ms tick, and the game would run at about 64 frames a second
// instead of 100.
class TimerResolution {
 public:
  TimerResolution() : raised_(timeBeginPeriod(1) == TIMERR_NOERROR) {}
  ~TimerResolution() {
    if (raised_) timeEndPeriod(1);
  }
  TimerResolution(const TimerResolution&) = delete;
  TimerResolution& operator=(const TimerResolution&) = delete;

 private:
  bool raised_;
};
