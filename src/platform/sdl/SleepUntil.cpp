#include "SleepUntil.h"

#include <chrono>
#include <thread>

std::int64_t steadyNowUs() {
  using namespace std::chrono;
  return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

void sleepUntil(std::int64_t deadlineUs) {
  // Long enough to absorb the kernel's wake-up lateness, short enough not to burn a core.
  constexpr std::int64_t kYieldWindowUs = 400;
  for (;;) {
    const std::int64_t remaining = deadlineUs - steadyNowUs();
    if (remaining <= 0) return;
    if (remaining > kYieldWindowUs) {
      std::this_thread::sleep_for(std::chrono::microseconds(remaining - kYieldWindowUs));
    } else {
      std::this_thread::yield();
    }
  }
}
