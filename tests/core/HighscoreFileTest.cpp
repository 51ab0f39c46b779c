#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "game/Highscores.h"
#include "game/World.h"
#include "support/ScratchDirectory.h"

namespace fs = std::filesystem;

namespace {

class HighscoreFileTest : public ::testing::Test {
 protected:
  void write(const std::string& text) { std::ofstream(file, std::ios::binary) << text; }
  std::string read() const { return readFile(file); }
  HighscoreTable loaded() {
    HighscoreTable table;
    table.load(file);
    return table;
  }
  static std::vector<int> scores(const HighscoreTable& table) {
    std::vector<int> result;
    for (const Highscore& h : table.all()) result.push_back(h.score);
    return result;
  }

  ScratchDirectory scratch;
  const fs::path& dir = scratch.path();
  fs::path file = dir / "highscores.csv";
};

}  // namespace

TEST_F(HighscoreFileTest, MissingFileGivesTenEmptySlotsAndSavesEmpty) {
  HighscoreTable table = loaded();
  EXPECT_EQ(table.size(), 10u);
  for (const Highscore& h : table.all()) {
    EXPECT_EQ(h.score, -1);
    EXPECT_EQ(h.lives, 0);
    EXPECT_EQ(h.date, 0);
  }
  ASSERT_TRUE(table.save(file));
  EXPECT_EQ(read(), "");
}

TEST_F(HighscoreFileTest, ShortFileIsPaddedWithEmptySlots) {
  write("500,-1,1700000000\n400,2,1700000001\n300,-1,3\n200,0,4\n");
  HighscoreTable table = loaded();
  EXPECT_EQ(scores(table), (std::vector<int>{500, 400, 300, 200, -1, -1, -1, -1, -1, -1}));
  EXPECT_EQ(table.all()[1].lives, 2);
  EXPECT_EQ(table.all()[1].date, 1700000001);
}

TEST_F(HighscoreFileTest, OverLongLineIsSkippedAloneAndLaterLinesStillCount) {
  write("500,-1,1\n" + std::string(60, '9') + "\n400,2,2\n");
  HighscoreTable table = loaded();
  EXPECT_EQ(scores(table)[0], 500);
  EXPECT_EQ(scores(table)[1], 400);
  EXPECT_EQ(table.size(), 10u);
}

TEST_F(HighscoreFileTest, DamagedLinesBecomeEmptySlotsWithEveryFieldSet) {
  write("\nhello\n1,2\n99999999999,1,1\n1,2,3,4\n12,x,3\n700,1,5\n");
  HighscoreTable table = loaded();
  EXPECT_EQ(scores(table), (std::vector<int>{700, -1, -1, -1, -1, -1, -1, -1, -1, -1}));
  for (const Highscore& h : table.all()) {
    if (h.score < 0) {
      EXPECT_EQ(h.lives, 0);
      EXPECT_EQ(h.date, 0);
    }
  }
}

TEST_F(HighscoreFileTest, AcceptedLineForms) {
  const std::string longest = "1," + std::string(35, '0') + "7,1700000000";  // 49 characters
  write("500, -1, 1700000000\r\n" + longest + "\n400,2,2");  // the last line has no line feed
  HighscoreTable table = loaded();
  EXPECT_EQ(scores(table)[0], 500);
  EXPECT_EQ(table.all()[1].score, 400);
  EXPECT_EQ(table.all()[2].lives, 7);
}

TEST_F(HighscoreFileTest, LinesAfterTheTenthAreIgnored) {
  std::string text;
  for (int i = 1; i <= 12; ++i) text += std::to_string(i * 100) + ",0,0\n";
  write(text);
  HighscoreTable table = loaded();
  EXPECT_EQ(table.size(), 10u);
  EXPECT_EQ(scores(table).front(), 1000);
  EXPECT_EQ(scores(table).back(), 100);
}

TEST_F(HighscoreFileTest, RoundTripRewritesTheSameLinesWithEqualScoresReversed) {
  write("900,1,10\n500,-1,20\n500,2,30\n0,-1,40\n");
  ASSERT_TRUE(loaded().save(file));
  EXPECT_EQ(read(), "900,1,10\n500,2,30\n500,-1,20\n0,-1,40\n");
  EXPECT_FALSE(fs::exists(dir / "highscores.csv.tmp"));
}

// A program left running for many games keeps only the ten it shows, as the file does.
TEST_F(HighscoreFileTest, LaterEqualScoreStandsAboveAndOnlyTheBestTenAreKeptAndSaved) {
  HighscoreTable table = loaded();
  for (int i = 0; i < 11; ++i) table.record(1000 + i, 0, i);
  table.record(1005, 3, 99);
  EXPECT_EQ(table.size(), 10u);
  ASSERT_TRUE(table.save(file));
  const std::string text = read();
  EXPECT_EQ(text.substr(0, text.find('\n')), "1010,0,10");
  EXPECT_NE(text.find("1005,3,99\n1005,0,5\n"), std::string::npos);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 10);
  EXPECT_EQ(text.find("1000,"), std::string::npos);  // the lowest is not saved
}

TEST_F(HighscoreFileTest, ScoreZeroIsARealRecord) {
  HighscoreTable table = loaded();
  table.record(0, -1, 5);
  ASSERT_TRUE(table.save(file));
  EXPECT_EQ(read(), "0,-1,5\n");
}

TEST_F(HighscoreFileTest, FailedSaveKeepsTheOldFileAndSaysWhy) {
  write("800,1,1\n");
  fs::create_directories(dir / "highscores.csv.tmp");  // the temporary file cannot be created
  HighscoreTable table = loaded();
  table.record(900, 0, 2);
  std::string error;
  EXPECT_FALSE(table.save(file, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(read(), "800,1,1\n");
}

TEST_F(HighscoreFileTest, RecordingAFinishedGameSavesAtOnce) {
  World world;
  world.highscoreFile = file;
  world.start();
  world.recordHighscore(1234, -1, 1700000000);
  EXPECT_EQ(read(), "1234,-1,1700000000\n");
}
