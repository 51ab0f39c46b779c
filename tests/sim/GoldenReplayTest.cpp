// The golden replays: every level's fight from its start to the boss's death, a whole game from the
// title and a game over, recorded once. Each must play back exactly, checkpoint by checkpoint,
// draw the same pictures frame for frame (pictures.txt holds each one's digest), and end in the
// recorded score, ships, bombs and highscore table. A change that moves one is a fault
// or a deliberate change of a rule; scripts/regolden.sh records them again and shows what moved.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "SimRunner.h"
#include "support/ScratchDirectory.h"

namespace fs = std::filesystem;

namespace {

const fs::path kGolden = fs::path(KELVARON_SIM_TEST_DATA) / ".." / ".." / "data" / "golden";

// The names listed in the goldens' manifest, each line "NAME | ... | ...".
std::vector<std::string> goldenNames() {
  std::ifstream manifest(kGolden / "goldens.txt");
  std::vector<std::string> names;
  for (std::string line; std::getline(manifest, line);) {
    std::istringstream fields(line);
    std::string name;
    if (fields >> name && name[0] != '#') names.push_back(name);
  }
  return names;
}

// Each golden's digest of every frame's drawing, from pictures.txt's lines "NAME DIGEST".
std::string recordedPictures(const std::string& name) {
  std::ifstream list(kGolden / "pictures.txt");
  for (std::string listed, digest; list >> listed >> digest;) {
    if (listed == name) return digest;
  }
  return "none";
}

std::string hex(std::uint64_t value) {
  char text[24];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
  return text;
}

class GoldenReplay : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override { fs::current_path(scratch.path()); }
  void TearDown() override { fs::current_path(previous); }

  ScratchDirectory scratch;
  fs::path previous = fs::current_path();
};

}  // namespace

TEST_P(GoldenReplay, PlaysBackExactlyToItsRecordedEnd) {
  std::string error;
  auto replay = loadReplay(kGolden / (GetParam() + ".kvr"), error);
  ASSERT_TRUE(replay) << error;
  const Checkpoint recorded = replay->final;
  const bool ranked = replay->ranked;
  const std::uint32_t frames = replay->frames;
  SimRunner runner({}, std::move(*replay));
  ASSERT_TRUE(runner.run(error)) << error;
  ASSERT_FALSE(runner.desync()) << runner.desync()->describe();
  EXPECT_EQ(runner.framesRun(), frames);
  EXPECT_EQ(hex(runner.pictureDigest()), recordedPictures(GetParam()));

  const World& world = runner.world();
  EXPECT_EQ(world.score, recorded.score);
  EXPECT_EQ(world.lifecount, recorded.lifecount);
  EXPECT_EQ(world.bombcount, recorded.bombcount);
  // The table holds the game's record exactly when the recording says it entered the table.
  const auto table = world.highscores.best(HighscoreTable::kShown);
  const bool listed = std::any_of(table.begin(), table.end(), [&](const Highscore& h) {
    return h.score == recorded.score && h.date > 0;
  });
  EXPECT_EQ(listed, ranked);
}

// A rule changed during playback (one point added to the score after a frame) is found at the first
// checkpoint after it, or at the final one after the last frame, naming the score alone.
TEST(GoldenReplayDesync, AChangedRuleIsFoundAtTheFirstCheckpointAfterIt) {
  struct Case {
    std::int64_t nudgedAfter;  // frames are counted from 0
    std::uint32_t frame;
    bool final;
  };
  for (const Case c : {Case{0, 100, false}, Case{1234, 1300, false}, Case{1665, 1666, true}}) {
    std::string error;
    auto replay = loadReplay(kGolden / "level1.kvr", error);
    ASSERT_TRUE(replay) << error;
    SimOptions options;
    options.recordReplays = false;
    options.nudgeScoreAfter = c.nudgedAfter;
    SimRunner runner(options, std::move(*replay));
    ASSERT_TRUE(runner.run(error)) << error;
    ASSERT_TRUE(runner.desync()) << c.nudgedAfter;
    EXPECT_EQ(runner.desync()->frame, c.frame);
    EXPECT_EQ(runner.desync()->final, c.final);
    EXPECT_EQ(runner.desync()->fields, std::vector<std::string>{"score"});
  }
}

INSTANTIATE_TEST_SUITE_P(, GoldenReplay, ::testing::ValuesIn(goldenNames()), [](const auto& info) {
  std::string name = info.param;
  std::replace(name.begin(), name.end(), '-', '_');
  return name;
});
