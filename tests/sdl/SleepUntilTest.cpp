#include <gtest/gtest.h>

#include "SleepUntil.h"

TEST(SleepUntil, NeverWakesBeforeTheDeadline) {
  for (int i = 0; i < 20; ++i) {
    const std::int64_t deadline = steadyNowUs() + 2'000;
    sleepUntil(deadline);
    EXPECT_GE(steadyNowUs(), deadline);
  }
  const std::int64_t before = steadyNowUs();
  sleepUntil(before - 1'000'000);  // already past: back at once
  EXPECT_LT(steadyNowUs() - before, 1'000'000);
}
