#include "SteadyTimer.h"

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace {

constexpr std::int64_t kYieldWindowUs = 500;

std::int64_t counterFrequency() {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return frequency.QuadPart;
}

}  // namespace

std::int64_t steadyNowUs() {
  static const std::int64_t frequency = counterFrequency();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  // In two parts, so the product cannot overflow however long the machine has been up.
  const std::int64_t seconds = now.QuadPart / frequency;
  const std::int64_t rest = now.QuadPart % frequency;
  return seconds * 1'000'000 + rest * 1'000'000 / frequency;
}

SteadyTimer::SteadyTimer() {
  timer_ = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                  TIMER_ALL_ACCESS);
  highResolution_ = timer_ != nullptr;
  if (!timer_) {
    timer_ = CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
    raisedResolution_.emplace();
  }
}

SteadyTimer::~SteadyTimer() {
  if (timer_) CloseHandle(timer_);
}

void SteadyTimer::waitUntil(std::int64_t deadlineUs) {
  const std::int64_t remaining = deadlineUs - steadyNowUs();
  if (remaining <= 0) return;
  if (remaining <= kYieldWindowUs || !timer_) {
    SwitchToThread();
    return;
  }
  LARGE_INTEGER due;
  due.QuadPart = -(remaining - kYieldWindowUs) * 10;  // relative, in units of 100 ns
  if (!SetWaitableTimer(timer_, &due, 0, nullptr, nullptr, FALSE)) {
    Sleep(0);
    return;
  }
  WaitForSingleObject(timer_, INFINITE);
}
