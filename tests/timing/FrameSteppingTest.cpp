// The fixed step and the pausable clock on a fake steady clock, in microseconds.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "timing/FixedStep.h"
#include "timing/PausableClock.h"

namespace {

struct Presents {
  std::int64_t everyUs;
  int count;
};

struct StepCase {
  const char* what;
  int maxSteps;
  std::vector<Presents> presents;  // after a first present at 0, which runs one update
  std::int64_t updates;            // run after the first
  std::int64_t dropped;
};

}  // namespace

TEST(FixedStep, RunsOneUpdatePer10MsWhateverThePresentsCost) {
  const StepCase cases[] = {
      {"presents taking 25 ms, one second", 5, {{25'000, 40}}, 100, 0},
      {"60 Hz display, one second", 5, {{16'667, 60}}, 100, 0},
      {"144 Hz display, 144 frames: the part-step left over stays owed", 5, {{6'944, 144}}, 99, 0},
      {"presents taking 50 ms: the cap itself, nothing dropped", 5, {{50'000, 20}}, 100, 0},
      {"presents taking 60 ms: one update of six dropped", 5, {{60'000, 10}}, 50, 10},
      {"a stall of 500 ms: five updates, the rest dropped", 5, {{10'000, 3}, {500'000, 1}}, 8, 45},
      {"the clock went back: no time passed", 5, {{30'000, 1}, {-20'000, 1}, {25'000, 1}}, 3, 0},
      {"one update per present (no vsync), presents taking 25 ms", 1, {{25'000, 40}}, 40, 60},
  };
  for (const StepCase& c : cases) {
    FixedStep step(c.maxSteps);
    std::int64_t now = 1'000'000'000;
    ASSERT_EQ(step.stepsDue(now), 1) << c.what;
    std::int64_t updates = 0;
    for (const Presents& p : c.presents) {
      for (int i = 0; i < p.count; ++i) {
        now += p.everyUs;
        const int due = step.stepsDue(now);
        EXPECT_LE(due, c.maxSteps) << c.what;
        updates += due;
      }
    }
    EXPECT_EQ(updates, c.updates) << c.what;
    EXPECT_EQ(step.droppedSteps(), c.dropped) << c.what;
  }
}

TEST(FixedStep, WaitsForTheNextDueUpdateAndDoesNotCatchUpAPause) {
  FixedStep step;
  step.stepsDue(0);
  EXPECT_EQ(step.nextDueUs(), 10'000);
  EXPECT_EQ(step.stepsDue(13'000), 1);
  EXPECT_EQ(step.nextDueUs(), 20'000);  // on the beat, not 10 ms after the late present

  step.restart();  // paused for a minute
  EXPECT_EQ(step.stepsDue(60'013'000), 1);
  EXPECT_EQ(step.stepsDue(60'020'000), 0);
  EXPECT_EQ(step.stepsDue(60'023'000), 1);
  EXPECT_EQ(step.droppedSteps(), 0);
}

namespace {

enum class Act { advance, pause, resume };

struct ClockStep {
  Act act;
  std::int64_t steadyMs;  // after the start
  std::int64_t seconds;   // what the game reads afterwards
};

}  // namespace

TEST(PausableClock, CountsOnlyTheTimePlayed) {
  constexpr std::int64_t kWallStartUs = 1'700'000'000'500'000;  // half past a second
  constexpr std::int64_t kSteadyStartUs = 42'000'000;
  constexpr std::int64_t kStart = 1'700'000'000;
  const std::vector<std::vector<ClockStep>> cases = {
      // The seconds turn with the wall clock's own phase.
      {{Act::advance, 499, kStart},
       {Act::advance, 500, kStart + 1},
       {Act::advance, 3'600, kStart + 4}},
      // Two seconds paused are not counted, and an advance while paused moves nothing.
      {{Act::pause, 200, kStart},
       {Act::advance, 2'200, kStart},
       {Act::resume, 2'200, kStart},
       {Act::advance, 2'499, kStart},
       {Act::advance, 2'500, kStart + 1}},
      // A second pause or resume changes nothing; time played between them counts.
      {{Act::pause, 0, kStart},
       {Act::pause, 5'000, kStart},
       {Act::resume, 6'000, kStart},
       {Act::resume, 7'000, kStart + 1},
       {Act::advance, 7'500, kStart + 2}},
      // A steady reading that went back moves nothing, and the time is not counted twice.
      {{Act::advance, 1'000, kStart + 1},
       {Act::advance, 100, kStart + 1},
       {Act::advance, 1'400, kStart + 1},
       {Act::advance, 1'500, kStart + 2}},
  };
  for (std::size_t c = 0; c < cases.size(); ++c) {
    PausableClock clock(kWallStartUs, kSteadyStartUs);
    for (const ClockStep& s : cases[c]) {
      const std::int64_t at = kSteadyStartUs + s.steadyMs * 1000;
      if (s.act == Act::advance) clock.advanceTo(at);
      if (s.act == Act::pause) clock.pause(at);
      if (s.act == Act::resume) clock.resume(at);
      EXPECT_EQ(clock.now(), s.seconds) << "case " << c << " at " << s.steadyMs << " ms";
    }
  }
}
