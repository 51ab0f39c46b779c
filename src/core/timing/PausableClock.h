#pragma once

#include <cstdint>

#include "timing/Clock.h"

// The game's wall clock in a program that can pause: seconds since 1970 that follow a steady clock
// while the game runs and stand still while it is paused, so the level's time bonus counts only the
// time played. The program moves it on with the steady clock's reading before each update, the only
// time the game reads it; a reading that went back moves nothing.
class PausableClock final : public Clock {
 public:
  // The wall clock now, in microseconds since 1970, to start one with.
  static std::int64_t wallNowUs();

  // The wall clock and the steady clock read at the same moment, both in microseconds.
  PausableClock(std::int64_t wallStartUs, std::int64_t steadyStartUs)
      : wallStartUs_(wallStartUs), steadyLastUs_(steadyStartUs) {}

  void advanceTo(std::int64_t steadyUs);
  void pause(std::int64_t steadyUs);
  void resume(std::int64_t steadyUs);
  bool paused() const { return paused_; }

  std::int64_t now() const override { return (wallStartUs_ + playedUs_) / 1'000'000; }

 private:
  std::int64_t wallStartUs_;
  std::int64_t steadyLastUs_;
  std::int64_t playedUs_ = 0;
  bool paused_ = false;
};
