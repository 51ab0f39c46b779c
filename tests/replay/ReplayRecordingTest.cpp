// Recording inside the game's frame: what a game leaves in replays/, that it plays back, and that a
// replay that cannot be written or kept costs nothing but a line.
#include <gtest/gtest.h>

#include <set>

#include "player/PlayerSprite.h"
#include "replay/ReplayPlayer.h"
#include "replay/ReplayStore.h"
#include "support/LevelRun.h"

namespace fs = std::filesystem;

namespace {

class ReplayRecording : public ::testing::Test, public LevelRun {
 protected:
  ReplayRecording() {
    world.recordReplays = true;
    world.start();
  }

  void frame(bool front = true) {
    world.windowfront = front;
    LevelRun::frame();
  }

  std::vector<fs::path> replays() const {
    std::vector<fs::path> files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(scratch.path() / "replays", ec)) {
      files.push_back(entry.path());
    }
    return files;
  }
};

}  // namespace

// "New Game" chosen with Z: the frames after that one are the game's. Controls held while the
// window is behind another are recorded as released, as the game read them.
TEST_F(ReplayRecording, AGameClosedMidwayIsRecordedFromItsFirstFrameAndPlaysBack) {
  hold(Key::Z);
  frame();  // the title frame that starts the game
  for (int i = 0; i < 260; ++i) {
    keys.held = {Key::Z, i % 50 < 25 ? Key::Left : Key::Up};
    frame(i < 100 || i >= 140);
  }
  world.shutdown();
  const auto files = replays();
  ASSERT_EQ(files.size(), 1u);
  std::string error;
  auto replay = loadReplay(files[0], error);
  ASSERT_TRUE(replay) << error;
  EXPECT_EQ(replay->frames, 260u);
  EXPECT_EQ(replay->end, ReplayEnd::windowclosed);
  EXPECT_EQ(replay->checkpoints.size(), 2u);
  std::uint32_t unfocusedFrom = 0;
  for (const ControlRun& run : replay->controls) {
    if (run.controls == 0) {
      EXPECT_EQ(unfocusedFrom, 100u);
      EXPECT_EQ(run.frames, 40u);
    }
    unfocusedFrom += run.frames;
  }

  Session again;
  ReplayPlayer player(std::move(*replay));
  player.start(again.world);
  while (!player.finished()) {
    player.beforeFrame(again.world);
    canvas.calls.clear();
    update(again, canvas);
    player.afterFrame(again.world);
  }
  EXPECT_FALSE(player.desync()) << player.desync()->describe();
  EXPECT_EQ(again.world.psp->get_x(), world.psp->get_x());
  EXPECT_EQ(again.world.psp->get_y(), world.psp->get_y());
}

TEST_F(ReplayRecording, AReplayThatCannotBeWrittenCostsOneLineAndTheGameGoesOn) {
  std::ofstream(scratch.path() / "replays") << "a file where the folder should be";
  world.UB->newgame();
  for (int i = 0; i < 30; ++i) frame();
  testing::internal::CaptureStderr();
  world.shutdown();
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(said.rfind("kelvaron: replay not saved (cannot make ", 0), 0u) << said;
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1);
  EXPECT_TRUE(fs::exists(world.highscoreFile));
}

TEST(ReplayStore, NamesByLocalTimeAndScoreAndMarksHighscores) {
  ReplayFile replay;
  replay.final.score = 1234567;
  EXPECT_EQ(replayFileName(replay, 1'700'000'000), "20231114-221320-0001234567.kvr");
  replay.ranked = true;
  EXPECT_EQ(replayFileName(replay, 1'700'000'000), "20231114-221320-0001234567-hs.kvr");
}

// Kept: the 100 newest, every marked one, and anything not named like a replay; a second replay
// of the same second and score gets a name of its own.
TEST(ReplayStore, KeepsTheNewestHundredAndEveryHighscoreGame) {
  ScratchDirectory scratch;
  const fs::path folder = scratch.path() / "replays";
  ReplayFile replay;
  replay.frames = 0;
  std::string error;
  for (int i = 0; i < 103; ++i) {
    replay.ranked = i < 3;
    ASSERT_TRUE(saveReplay(folder, replay, 1'700'000'000 + 60 * i, error)) << error;
  }
  std::ofstream(folder / "notes.txt") << "mine";
  ASSERT_TRUE(saveReplay(folder, replay, 1'700'000'000 + 60 * 102, error)) << error;
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  EXPECT_EQ(names.size(), 3u + 100u + 1u);
  EXPECT_TRUE(names.count("20231114-221320-0000000000-hs.kvr"));  // the oldest, marked
  EXPECT_FALSE(names.count("20231114-221620-0000000000.kvr"));    // the oldest unmarked: gone
  EXPECT_TRUE(names.count("20231114-235520-0000000000-2.kvr"));
  EXPECT_TRUE(names.count("notes.txt"));
}
