#include "timing/PausableClock.h"

#include <chrono>

std::int64_t PausableClock::wallNowUs() {
  using namespace std::chrono;
  return duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
}

void PausableClock::advanceTo(std::int64_t steadyUs) {
  if (steadyUs <= steadyLastUs_) return;
  if (!paused_) playedUs_ += steadyUs - steadyLastUs_;
  steadyLastUs_ = steadyUs;
}

void PausableClock::pause(std::int64_t steadyUs) {
  advanceTo(steadyUs);
  paused_ = true;
}

void PausableClock::resume(std::int64_t steadyUs) {
  advanceTo(steadyUs);  // while paused this moves nothing: the paused stretch is not played
  paused_ = false;
}
