// The pausable loop on a scripted window: a steady clock that moves only while the loop waits, and
// events that arrive at set times.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "PausableLoop.h"
#include "RasterCanvas.h"
#include "timing/PausableClock.h"

namespace {

constexpr std::int64_t kMs = 1'000;

struct Event {
  std::int64_t atMs;
  LoopRequests requests;
};

// A window whose events come from a script: each look brings every event due by then.
class ScriptedHost final : public LoopHost {
 public:
  explicit ScriptedHost(std::vector<Event> events) : events_(std::move(events)) {}

  std::int64_t nowUs() override { return now_; }
  void waitUntilUs(std::int64_t dueUs) override { now_ = std::max(now_, dueUs); }
  void waitForEvents(int milliseconds) override { now_ += milliseconds * kMs; }
  LoopRequests handleEvents() override {
    if (now_ > 60'000 * kMs) {  // a loop that never ends: stop it and fail
      ranAway = true;
      return {.close = true};
    }
    LoopRequests merged;
    for (; next_ < events_.size() && events_[next_].atMs * kMs <= now_; ++next_) {
      const LoopRequests& r = events_[next_].requests;
      merged = {merged.close || r.close, merged.pause != r.pause,
                merged.toggleSound != r.toggleSound};
    }
    return merged;
  }
  bool hasFocus() override { return true; }
  void present(const RasterCanvas&) override {}

  bool ranAway = false;

 private:
  std::vector<Event> events_;
  std::size_t next_ = 0;
  std::int64_t now_ = 0;
};

// A game that is in a fight or not throughout and ends after a number of updates.
class CountingGame final : public LoopGame {
 public:
  CountingGame(ScriptedHost& host, bool fight, int updates)
      : host_(host), fight_(fight), updates_(updates) {}

  void update(RasterCanvas&, bool) override { updateTimesMs.push_back(host_.nowUs() / kMs); }
  bool over() const override { return static_cast<int>(updateTimesMs.size()) >= updates_; }
  bool pausable() const override { return fight_; }
  void toggleSound() override { ++soundToggles; }
  void drawPaused(RasterCanvas&) override { ++pausedPictures; }

  std::vector<std::int64_t> updateTimesMs;
  int soundToggles = 0;
  int pausedPictures = 0;

 private:
  ScriptedHost& host_;
  bool fight_;
  int updates_;
};

struct UpdateRun {
  std::int64_t fromMs;
  int count;  // one every 10 ms from then
};

struct LoopCase {
  const char* what;
  bool fight;
  std::vector<Event> events;
  std::vector<UpdateRun> updates;
  int pausedPictures;
  int soundToggles;
  std::int64_t playedSeconds;  // on the game's clock
};

std::vector<std::int64_t> timesOf(const std::vector<UpdateRun>& runs) {
  std::vector<std::int64_t> times;
  for (const UpdateRun& run : runs) {
    for (int i = 0; i < run.count; ++i) times.push_back(run.fromMs + 10 * i);
  }
  return times;
}

}  // namespace

TEST(PausableLoop, PausesOnlyAFightEndsWhenClosedWhilePausedAndDoesNotCatchUpThePause) {
  constexpr LoopRequests kPause{.pause = true};
  constexpr LoopRequests kClose{.close = true};
  constexpr LoopRequests kSound{.toggleSound = true};
  const LoopCase cases[] = {
      {"P outside a fight does nothing", false, {{95, kPause}}, {{0, 300}}, 0, 0, 2},
      {"P in a fight pauses until P again; the four paused seconds are not caught up",
       true,
       {{95, kPause}, {4100, kPause}},
       {{0, 10}, {4100, 290}},
       1,
       0,
       2},
      {"the close box while paused ends the loop",
       true,
       {{95, kPause}, {500, kClose}},
       {{0, 10}},
       1,
       0,
       0},
      {"M while paused is carried out at once",
       true,
       {{95, kPause}, {300, kSound}, {400, kPause}},
       {{0, 10}, {400, 290}},
       1,
       1,
       2},
  };
  constexpr std::int64_t kWallStartSeconds = 1'700'000'000;
  for (const LoopCase& c : cases) {
    SCOPED_TRACE(c.what);
    ScriptedHost host(c.events);
    const std::vector<std::int64_t> expected = timesOf(c.updates);
    CountingGame game(host, c.fight, 300);
    PausableClock clock(kWallStartSeconds * 1'000'000, 0);
    RasterCanvas canvas(8, 8);
    PausableLoop(host, canvas, game, &clock, {}).run();
    EXPECT_FALSE(host.ranAway);
    EXPECT_EQ(game.updateTimesMs, expected);
    EXPECT_EQ(game.pausedPictures, c.pausedPictures);
    EXPECT_EQ(game.soundToggles, c.soundToggles);
    EXPECT_EQ(clock.now() - kWallStartSeconds, c.playedSeconds);
  }
}
