// A whole game played headless from the title with a recorded input: won with --invincible, the
// score is the sum of the five levels' bonuses and lands in the highscore table; without it, the
// same controls lose ships.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <vector>

#include "SimRunner.h"
#include "support/ScratchDirectory.h"

namespace fs = std::filesystem;

namespace {

constexpr std::int64_t kFrames = 14500;  // the game is over and the title back at 14,441

class WholeGame : public ::testing::Test {
 protected:
  void SetUp() override {
#ifdef _WIN32
    GTEST_SKIP() << "the native build plays the whole game; the Windows build matches it frame by "
                    "frame in the determinism test";
#endif
    fs::current_path(scratch.path());
  }
  void TearDown() override { fs::current_path(previous); }

  // Plays the recorded game; the trace's lines, one per frame.
  std::vector<nlohmann::json> play(bool invincible) {
    std::ifstream in(fs::path(KELVARON_SIM_TEST_DATA) / "whole-game.input");
    std::string error;
    auto timeline = InputTimeline::parse(in, error);
    EXPECT_TRUE(timeline) << error;
    SimOptions options;
    options.frames = kFrames;
    options.invincible = invincible;
    options.recordReplays = false;
    options.trace = scratch.path() / "trace.jsonl";
    runner = std::make_unique<SimRunner>(options, std::move(*timeline));
    EXPECT_TRUE(runner->run(error)) << error;
    std::ifstream trace(options.trace);
    std::vector<nlohmann::json> lines;
    for (std::string line; std::getline(trace, line);) lines.push_back(nlohmann::json::parse(line));
    return lines;
  }

  ScratchDirectory scratch;
  fs::path previous = fs::current_path();
  std::unique_ptr<SimRunner> runner;
};

}  // namespace

TEST_F(WholeGame, WonWithInvincibilityScoresTheSumOfTheFiveLevelsBonusesAndIsRecorded) {
  const auto lines = play(true);
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(kFrames));
  // The first frame of each result screen shows that level's four bonuses.
  std::vector<int> levelsWon;
  long long bonuses = 0;
  int shipsAtTheEnd = 0;
  std::int64_t endedAtFrame = 0;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::string screen = lines[i]["screen"];
    if (screen == lines[i - 1]["screen"]) continue;
    if (screen != "levelcleared" && screen != "gamecleared") continue;
    levelsWon.push_back(lines[i]["level"]);
    for (const char* bonus : {"time", "clear", "bomb", "nodeath"}) {
      bonuses += lines[i]["bonus"][bonus].get<long long>();
    }
    shipsAtTheEnd = lines[i]["lifecount"];
    endedAtFrame = lines[i]["frame"];
  }
  EXPECT_EQ(levelsWon, (std::vector<int>{1, 2, 3, 4, 5}));
  const World& world = runner->world();
  EXPECT_EQ(world.score, bonuses);
  // Space on "Game Cleared!" records the game with the ships in hand and returns to the title.
  EXPECT_EQ(lines.back()["scene"], "title");
  EXPECT_EQ(world.lifecount, -1);
  const Highscore best = world.highscores.best(1).front();
  EXPECT_EQ(best.score, world.score);
  EXPECT_EQ(best.lives, shipsAtTheEnd);
  EXPECT_GE(best.date, 1'700'000'000 + endedAtFrame / 100);
}

TEST_F(WholeGame, WithoutInvincibilityTheSameControlsLoseShipsInTwoLevels) {
  const auto lines = play(false);
  std::map<int, int> shipsLost;  // by level
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const auto& player = lines[i]["player"];
    if (player.is_null() || lines[i - 1]["player"].is_null()) continue;
    if (player["state"] == "destroy" && lines[i - 1]["player"]["state"] != "destroy") {
      ++shipsLost[lines[i]["level"].get<int>()];
    }
  }
  EXPECT_GE(shipsLost.size(), 2u);
  EXPECT_GT(shipsLost[1], 0);
  EXPECT_GT(shipsLost[2], 0);
}
