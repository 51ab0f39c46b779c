// The pausable loop on a scripted window: a steady clock that moves only while the loop waits, and
// events that arrive at set times.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "PausableLoop.h"
#include "RasterCanvas.h"
#include "timing/PausableClock.h"

namespace {

struct Event {
  std::int64_t atMs;
  LoopRequests requests;
};

// The window and the game at once: each look at the events brings those due by then (two pauses
// cancel out, as in a window); the game is in a fight or not throughout and ends after 300 updates.
class ScriptedRun final : public LoopHost, public LoopGame {
 public:
  ScriptedRun(std::vector<Event> events, bool fight) : events_(std::move(events)), fight_(fight) {}

  std::int64_t nowUs() override { return nowMs_ * 1000; }
  void waitUntilUs(std::int64_t dueUs) override { nowMs_ = std::max(nowMs_, dueUs / 1000); }
  void waitForEvents(int milliseconds) override { nowMs_ += milliseconds; }
  LoopRequests handleEvents() override {
    if (nowMs_ > 60'000) throw std::runtime_error("the loop ran on for a minute");
    LoopRequests due;
    for (; next_ < events_.size() && events_[next_].atMs <= nowMs_; ++next_) {
      const LoopRequests& r = events_[next_].requests;
      due = {due.close || r.close, due.pause != r.pause, due.toggleSound != r.toggleSound};
    }
    return due;
  }
  bool hasFocus() override { return true; }
  void present(const RasterCanvas&) override {}

  void update(RasterCanvas&, bool) override { updatesMs.push_back(nowMs_); }
  bool over() const override { return updatesMs.size() >= 300; }
  bool pausable() const override { return fight_; }
  void toggleSound() override { ++soundToggles; }
  void drawPaused(RasterCanvas&) override { ++pausedPictures; }

  std::vector<std::int64_t> updatesMs;
  int soundToggles = 0;
  int pausedPictures = 0;

 private:
  std::vector<Event> events_;
  bool fight_;
  std::size_t next_ = 0;
  std::int64_t nowMs_ = 0;
};

struct UpdateRun {
  std::int64_t fromMs;
  int count;  // one every 10 ms from then
};

}  // namespace

TEST(PausableLoop, PausesOnlyAFightEndsWhenClosedWhilePausedAndDoesNotCatchUpThePause) {
  constexpr LoopRequests kPause{.pause = true};
  constexpr LoopRequests kSound{.toggleSound = true};
  const struct {
    bool fight;
    std::vector<Event> events;
    std::vector<UpdateRun> updates;
    int pausedPictures, soundToggles, playedSeconds;  // the last on the game's clock
  } cases[] = {
      // P outside a fight does nothing.
      {false, {{95, kPause}}, {{0, 300}}, 0, 0, 2},
      // P in a fight pauses until P again; the 4 s paused are neither caught up nor played.
      {true, {{95, kPause}, {4100, kPause}}, {{0, 10}, {4100, 290}}, 1, 0, 2},
      // The close box while paused ends the loop.
      {true, {{95, kPause}, {500, {.close = true}}}, {{0, 10}}, 1, 0, 0},
      // M while paused is carried out at once.
      {true, {{95, kPause}, {300, kSound}, {400, kPause}}, {{0, 10}, {400, 290}}, 1, 1, 2},
  };
  constexpr std::int64_t kWallStart = 1'700'000'000;
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "case " << &c - cases);
    ScriptedRun run(c.events, c.fight);
    PausableClock clock(kWallStart * 1'000'000, 0);
    RasterCanvas canvas(8, 8);
    PausableLoop(run, canvas, run, &clock, {}).run();
    std::vector<std::int64_t> expected;
    for (const UpdateRun& r : c.updates) {
      for (int i = 0; i < r.count; ++i) expected.push_back(r.fromMs + 10 * i);
    }
    EXPECT_EQ(run.updatesMs, expected);
    EXPECT_EQ(run.pausedPictures, c.pausedPictures);
    EXPECT_EQ(run.soundToggles, c.soundToggles);
    EXPECT_EQ(clock.now() - kWallStart, c.playedSeconds);
  }
}
