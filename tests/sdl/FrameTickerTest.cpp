#include <gtest/gtest.h>

#include <vector>

#include "FrameTicker.h"

using namespace std::chrono_literals;
using Clock = FrameTicker::Clock;

TEST(FrameTicker, KeepsItsPhaseAndDropsTheTicksAStallMissed) {
  struct Case {
    std::vector<Clock::duration> starts;  // when frames start, from the first tick
    Clock::duration due;                  // when the next one is then due
    int skipped;
  };
  const Case cases[] = {
      {{}, 0ms, 0},
      {{0ms, 10ms}, 20ms, 0},
      {{3ms, 19999us}, 20ms, 0},  // lateness within a tick is not carried forward: no drift
      {{10ms}, 20ms, 1},          // a whole tick late is a stall
      // After a stall the next frame comes a full tick after the late one, with no catch-up burst.
      {{0ms, 214ms}, 224ms, 20},
      {{5s}, 5010ms, 500},
  };
  const Clock::time_point start = Clock::time_point{} + 1000s;
  for (const Case& c : cases) {
    FrameTicker ticker(start);
    for (Clock::duration at : c.starts) ticker.frameStarted(start + at);
    EXPECT_EQ(ticker.due() - start, c.due) << "case " << &c - cases;
    EXPECT_EQ(ticker.skippedTicks(), c.skipped);
  }
}

TEST(FrameTicker, SleepNeverWakesBeforeTheDeadline) {
  for (int i = 0; i < 20; ++i) {
    const Clock::time_point deadline = Clock::now() + 2ms;
    sleepUntil(deadline);
    EXPECT_GE(Clock::now(), deadline);
  }
  const Clock::time_point before = Clock::now();
  sleepUntil(before - 1s);  // already past: back at once
  EXPECT_LT(Clock::now() - before, 1s);
}
