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

  static std::string read(const fs::path& file) { return readFile(file); }

  static std::vector<nlohmann::json> readTrace(const fs::path& file) {
    std::ifstream in(file);
    std::vector<nlohmann::json> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(nlohmann::json::parse(line));
    return lines;
  }

  // The trace of a fight started at `level`, one line per frame.
  std::vector<nlohmann::json> traceOf(int level, int frames) {
    SimOptions options;
    options.startLevel = level;
    options.frames = frames;
    options.trace = dir / "trace.jsonl";
    run("", options);
    return readTrace(options.trace);
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
  EXPECT_EQ(read("highscores.csv"), table);
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
  const std::string png = read(dir / "last.png");
  ASSERT_GT(png.size(), 8u);
  EXPECT_EQ(png.substr(1, 3), "PNG");
  EXPECT_TRUE(fs::exists(dir / "frame-000001.png"));
  EXPECT_FALSE(fs::exists(dir / "frame-000002.png"));
}

TEST_F(SimRunnerTest, StartLevelSetsUpTheLevelAsTheTitleWould) {
  SimOptions options;
  options.frames = 1;
  options.startLevel = 3;
  auto runner = run("", options);
  EXPECT_EQ(runner->world().UB.get_nowlevel(), 3);
  EXPECT_EQ(runner->world().lifecount, 2);
  EXPECT_EQ(runner->world().bombcount, 2);
}

// Level 1 played from the title screen: start a new game, sit under the boss and fire until it is
// destroyed, read the bonuses, and move on to level 2 with Space.
TEST_F(SimRunnerTest, LevelOneIsWonFromTheTitle) {
  SimOptions options;
  options.frames = 4000;
  options.invincible = true;
  // New Game at frame 0; fly up-right from (400, 400) for a while, then hold fire under the boss.
  const std::string script = "0 z\n1 -\n5 up\n60 z\n3000 space\n3001 -\n";
  options.frames = 3000;
  auto runner = run(script, options);
  const World& world = runner->world();
  EXPECT_EQ(currentScreen(world), GameScreen::levelcleared);
  EXPECT_TRUE(world.es->isdead());
  EXPECT_EQ(bossClassName(world.es.get()), std::string("Enemy5Sprite"));
  EXPECT_EQ(world.bonusgiven.clearbonus, 100000);
  EXPECT_EQ(world.bonusgiven.bombbonus, 100000);
  EXPECT_GT(world.bonusgiven.timebonus, 0);
  EXPECT_EQ(world.score, world.bonusgiven.timebonus + 100000 + 100000 + 200000);
  EXPECT_EQ(world.lifecount, 2 + world.score / 200000);

  options.frames = 3010;
  auto next = run(script, options);
  EXPECT_EQ(next->world().UB.get_nowlevel(), 2);
  EXPECT_EQ(currentScreen(next->world()), GameScreen::fight);
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

// The level-3 boss adds its own fields: velocity, aim, shot timer, hit radius and attack phase.
TEST_F(SimRunnerTest, LevelThreeBossWritesItsOwnFields) {
  SimOptions options;
  options.startLevel = 3;
  options.frames = 2;
  const nlohmann::json boss = stateJson(run("", options)->world(), 2, true)["boss"];
  EXPECT_EQ(boss["class"], "Enemy7Sprite");
  EXPECT_EQ(boss["state"], "updatetriangular");
  EXPECT_EQ(boss["normalstate"], "updatenormal1");
  EXPECT_EQ(boss["hitsize"], 40);
  EXPECT_EQ(boss["subcount"], 2);
  EXPECT_EQ(boss["count"], 2);
  EXPECT_GT(boss["vy"].get<double>(), 0.0);  // towards the ship below
  EXPECT_EQ(boss["aimangle"], 0.0);          // aimed only by the wheel
}

// The level-5 boss's arms half out at count 150, and at 731 its cells lit steadily light blue in
// triangles 2, 1, 0 by cell number modulo 3.
TEST_F(SimRunnerTest, TraceShowsTheLevel5ArmsAndCells) {
  const std::vector<nlohmann::json> lines = traceOf(5, 731);
  ASSERT_EQ(lines.size(), 731u);
  const nlohmann::json& halfOut = lines[149]["boss"];
  const nlohmann::json& lit = lines[730]["boss"];
  ASSERT_EQ(lit["class"], "Enemy9Sprite");
  ASSERT_EQ(halfOut["arms"].size(), 9u);
  ASSERT_EQ(lit["cells"].size(), 9u);
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(halfOut["arms"][i], nlohmann::json({50, 50})) << i;
    EXPECT_EQ(lit["arms"][i], nlohmann::json({100, 100})) << i;
    const nlohmann::json cell = {
        {"color", 3}, {"shape", 2 - i % 3}, {"glowlevel", 30}, {"glowdir", 0}};
    EXPECT_EQ(lit["cells"][i], cell) << i;
  }
}

// The level-4 satellites in children order: on the ring after the first frame, crossing from both
// sides after the order at count 249 (794 x 571: heights 63 and 126 at the top); null once gone.
TEST_F(SimRunnerTest, TraceShowsTheLevel4SatellitesAndNullForOneGone) {
  const std::vector<nlohmann::json> lines = traceOf(4, 472);
  ASSERT_EQ(lines.size(), 472u);
  const nlohmann::json& ring = lines[0]["boss"]["satellites"];
  const nlohmann::json& crossing = lines[471]["boss"]["satellites"];
  ASSERT_EQ(ring.size(), 8u);
  ASSERT_EQ(crossing.size(), 8u);
  EXPECT_EQ(ring[0]["x"], 397 + 32.0);
  EXPECT_EQ(ring[0]["y"], 180.0);
  EXPECT_EQ(ring[2]["state"], "upd_nrm");
  for (const char* field : {"x", "y", "vx", "vy", "angle", "count", "state"}) {
    EXPECT_TRUE(ring[5].contains(field)) << field;
  }
  EXPECT_EQ(crossing[0], nlohmann::json({{"x", -40.0},
                                         {"y", 63.0},
                                         {"vx", 8.0},
                                         {"vy", 0.0},
                                         {"angle", 3.14159},
                                         {"count", 161},
                                         {"state", "upd_nrm1"}}));
  EXPECT_EQ(crossing[4]["y"], 126.0);

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
