#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "BossFields.h"
#include "SimRunner.h"
#include "StateJson.h"
#include "bosses/Boss.h"
#include "bosses/Enemy8.h"
#include "game/GameScene.h"
#include "player/PlayerSprite.h"
#include "support/ScratchDirectory.h"

namespace fs = std::filesystem;

namespace {

class SimRunnerTest : public ::testing::Test {
 protected:
  void SetUp() override { fs::current_path(dir); }
  void TearDown() override { fs::current_path(previous); }

  std::unique_ptr<SimRunner> run(const std::string& script, SimOptions options) {
    std::istringstream in(script);
    std::string error;
    auto timeline = InputTimeline::parse(in, error);
    EXPECT_TRUE(timeline) << error;
    auto runner = std::make_unique<SimRunner>(options, std::move(*timeline));
    EXPECT_TRUE(runner->run(error)) << error;
    return runner;
  }

  static std::vector<nlohmann::json> readTrace(const fs::path& file) {
    std::ifstream in(file);
    std::vector<nlohmann::json> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(nlohmann::json::parse(line));
    return lines;
  }

  ScratchDirectory scratch;
  const fs::path& dir = scratch.path();
  fs::path previous = fs::current_path();
};

}  // namespace

TEST_F(SimRunnerTest, QuitFromTheTitleEndsTheRunAndKeepsTheHighscores) {
  const std::string table = "500,-1,1700000000\n250,2,1700001000\n";
  std::ofstream("highscores.csv") << table;
  SimOptions options;
  options.frames = 500;
  auto runner = run("0 -\n10 down\n12 -\n20 down\n22 -\n30 z\n", options);
  EXPECT_FALSE(runner->running());
  EXPECT_EQ(runner->framesRun(), 31);
  EXPECT_EQ(runner->world().selected, 2);
  EXPECT_EQ(readFile("highscores.csv"), table);
}

TEST_F(SimRunnerTest, ControlsAreIgnoredWhileUnfocused) {
  SimOptions options;
  options.frames = 40;
  options.unfocusedFrom = 5;
  options.unfocusedTo = 20;
  auto runner = run("10 down\n15 -\n16 down\n30 -\n", options);
  // Down is held twice while the window is away; the second hold lasts until frame 29, so frame 21,
  // the first in front again, sees it as one fresh press.
  EXPECT_EQ(runner->world().selected, 1);
  EXPECT_TRUE(runner->running());
}

TEST_F(SimRunnerTest, PngOfTheLastFrameIsWritten) {
#ifndef KELVARON_HAVE_PNG
  GTEST_SKIP() << "this build writes no PNG files";
#endif
  SimOptions options;
  options.frames = 3;
  options.png = dir / "last.png";
  options.pngEvery = 2;
  options.pngDir = dir;
  run("", options);
  const std::string png = readFile(dir / "last.png");
  ASSERT_GT(png.size(), 8u);
  EXPECT_EQ(png.substr(1, 3), "PNG");
  EXPECT_TRUE(fs::exists(dir / "frame-000001.png"));
  EXPECT_FALSE(fs::exists(dir / "frame-000002.png"));
}

// Line k of the trace is the state after k frames, without the table, with the generator's state
// and the shots by class; writing it changes nothing in the game.
TEST_F(SimRunnerTest, TraceHasALinePerFrameThatIsTheStateAfterThatFrame) {
  SimOptions options;
  options.startLevel = 2;
  options.invincible = true;
  options.frames = 650;  // into the barrage of red bars
  const nlohmann::json at650 = stateJson(run("", options)->world(), 650, true);
  options.frames = 700;
  const nlohmann::json untraced = stateJson(run("", options)->world(), 700, true);
  options.trace = dir / "trace.jsonl";
  const nlohmann::json traced = stateJson(run("", options)->world(), 700, true);
  EXPECT_EQ(traced, untraced);

  const std::vector<nlohmann::json> lines = readTrace(options.trace);
  ASSERT_EQ(lines.size(), 700u);
  EXPECT_EQ(lines[0]["boss"]["count"], 1);
  EXPECT_EQ(lines[0]["boss"]["gap"], 0);
  nlohmann::json line = lines[649];
  EXPECT_EQ(line["boss"]["class"], "Enemy6Sprite");
  EXPECT_EQ(line["boss"]["gap"], 99);
  EXPECT_GT(line["shots"]["RedRapidLaserSprite"], 0);
  EXPECT_GT(line["random"], 1u);
  for (const char* field : {"count", "angle", "vx", "vy", "gap"}) {
    EXPECT_TRUE(line["boss"].contains(field)) << field;
  }
  line.erase("random");
  line.erase("shots");
  nlohmann::json expected = at650;
  expected.erase("highscores");
  EXPECT_EQ(line, expected);
}

// The level-4 boss writes its satellites in children order, a satellite already gone as null.
TEST_F(SimRunnerTest, ASatelliteGoneIsNull) {
  World world;
  Enemy8Sprite boss(400, 180);
  for (MySprite* s = nullptr; world.addosprites.pop(s);) world.osl.push_last(s);
  world.osl.delete_sprite(boss.satellite(3));
  nlohmann::json out;
  addBossFields(boss, out);
  ASSERT_EQ(out["satellites"].size(), 8u);
  EXPECT_TRUE(out["satellites"][3].is_null());
  EXPECT_EQ(out["satellites"][2]["x"], 400.0);
}
