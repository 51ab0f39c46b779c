#include <gtest/gtest.h>

#include "FrameTicker.h"

using namespace std::chrono_literals;
using Clock = FrameTicker::Clock;

namespace {
const Clock::time_point kStart = Clock::time_point{} + 1000s;
}

TEST(FrameTickerBeat, TicksEveryTenMillisecondsFromTheStart) {
  FrameTicker ticker(kStart);
  EXPECT_EQ(ticker.due(), kStart);
  ticker.frameStarted(kStart);
  EXPECT_EQ(ticker.due(), kStart + 10ms);
  ticker.frameStarted(kStart + 10ms);
  EXPECT_EQ(ticker.due(), kStart + 20ms);
}

TEST(FrameTickerBeat, KeepsItsPhaseWhenAFrameStartsALittleLate) {
  FrameTicker ticker(kStart);
  ticker.frameStarted(kStart + 3ms);
  EXPECT_EQ(ticker.due(), kStart + 10ms);  // no drift: the lateness is not carried forward
  ticker.frameStarted(kStart + 10ms + 9999us);
  EXPECT_EQ(ticker.due(), kStart + 20ms);
  EXPECT_EQ(ticker.skippedTicks(), 0);
}

TEST(FrameTickerStall, DropsTheMissedTicksInsteadOfCatchingUp) {
  FrameTicker ticker(kStart);
  ticker.frameStarted(kStart);
  // The process was stopped, or the frame took 200 ms: one frame now, the next a full tick later.
  const Clock::time_point resumed = kStart + 10ms + 200ms + 4ms;
  ticker.frameStarted(resumed);
  EXPECT_EQ(ticker.due(), resumed + 10ms);
  EXPECT_EQ(ticker.skippedTicks(), 20);
}

TEST(FrameTickerStall, AWholeTickLateCountsAsAStall) {
  FrameTicker ticker(kStart);
  ticker.frameStarted(kStart + 10ms);
  EXPECT_EQ(ticker.due(), kStart + 20ms);
  EXPECT_EQ(ticker.skippedTicks(), 1);
}

TEST(FrameTickerStall, FramesAfterAStallComeAtTheNormalPace) {
  FrameTicker ticker(kStart);
  Clock::time_point now = kStart + 5s;
  int framesWithinFiftyMilliseconds = 0;
  const Clock::time_point windowEnd = now + 50ms;
  while (now < windowEnd) {
    ticker.frameStarted(now);
    ++framesWithinFiftyMilliseconds;
    now = ticker.due();  // each frame starts exactly when due
  }
  EXPECT_EQ(framesWithinFiftyMilliseconds, 5);
}

TEST(PreciseSleep, NeverWakesBeforeTheDeadline) {
  for (int i = 0; i < 20; ++i) {
    const Clock::time_point deadline = Clock::now() + 2ms;
    sleepUntil(deadline);
    EXPECT_GE(Clock::now(), deadline);
  }
}

TEST(PreciseSleep, ReturnsAtOnceForAPastDeadline) {
  const Clock::time_point before = Clock::now();
  sleepUntil(before - 1s);
  EXPECT_LT(Clock::now() - before, 1s);
}
