#include "FrameTicker.h"

#include <thread>

void FrameTicker::frameStarted(Clock::time_point now) {
  const Clock::duration late = now - due_;
  if (late >= kPeriod) {
    skipped_ += late / kPeriod;
    due_ = now + kPeriod;
  } else {
    due_ += kPeriod;
  }
}

void sleepUntil(FrameTicker::Clock::time_point deadline) {
  using namespace std::chrono_literals;
  // Long enough to absorb the kernel's wake-up lateness, short enough not to burn a core.
  constexpr auto kYieldWindow = 400us;
  for (;;) {
    const auto remaining = deadline - FrameTicker::Clock::now();
    if (remaining <= FrameTicker::Clock::duration::zero()) return;
    if (remaining > kYieldWindow) {
      std::this_thread::sleep_for(remaining - kYieldWindow);
    } else {
      std::this_thread::yield();
    }
  }
}
