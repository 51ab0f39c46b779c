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

// Whatever the file holds, the table has ten slots: the good lines in file order, then empty
// slots (score -1, lives 0, date 0). A damaged or over-long line is skipped alone; a line may have
// spaces after its commas, a CRLF ending or none at all; lines after the tenth are ignored.
TEST_F(HighscoreFileTest, LoadsTheGoodLinesAndEmptySlotsForTheRest) {
  std::string twelve;
  for (int i = 1; i <= 12; ++i) twelve += std::to_string(i * 100) + ",0,0\n";
  const std::string longest = "1," + std::string(35, '0') + "7,1700000000";  // 49 characters
  const std::pair<const char*, std::string> cases[] = {
      {"missing", ""},
      {"short", "500,-1,1700000000\n400,2,1700000001\n"},
      {"damaged", "\nhello\n1,2\n99999999999,1,1\n1,2,3,4\n12,x,3\n500,-1,1700000000\n"},
      {"over-long", "500,-1,1700000000\n" + std::string(60, '9') + "\n400,2,1700000001\n"},
      {"CRLF and spaces", "500, -1, 1700000000\r\n400,2,1700000001\r\n"},
      {"no last line feed", "500,-1,1700000000\n" + longest + "\n400,2,1700000001"},
      {"twelve lines", twelve},
  };
  for (const auto& [what, text] : cases) {
    SCOPED_TRACE(what);
    if (std::string(what) != "missing") write(text);
    const HighscoreTable table = loaded();
    ASSERT_EQ(table.size(), 10u);
    std::vector<Highscore> good;
    for (const Highscore& h : table.all()) {
      if (h.score >= 0) good.push_back(h);
      EXPECT_TRUE(h.score >= 0 || (h.lives == 0 && h.date == 0));
    }
    if (std::string(what) == "twelve lines") {
      EXPECT_EQ(scores(table),
                (std::vector<int>{1000, 900, 800, 700, 600, 500, 400, 300, 200, 100}));
    } else if (std::string(what) == "no last line feed") {
      EXPECT_EQ(table.all()[1].score, 400);
      EXPECT_EQ(table.all()[2].lives, 7);
    } else if (!good.empty()) {
      EXPECT_EQ(good[0].score, 500);
      EXPECT_EQ(good[0].lives, -1);
      EXPECT_EQ(good[0].date, 1700000000);
      EXPECT_EQ(good.size(), std::string(what) == "damaged" ? 1u : 2u);
      if (good.size() > 1) {
        EXPECT_EQ(good[1].date, 1700000001);
      }
    }
  }
  ASSERT_TRUE(HighscoreTable().save(file));
  EXPECT_EQ(read(), "");  // an empty table saves no lines
}

TEST_F(HighscoreFileTest, RoundTripRewritesTheSameLinesWithEqualScoresReversed) {
  write("900,1,10\n500,-1,20\n500,2,30\n0,-1,40\n");
  ASSERT_TRUE(loaded().save(file));
  EXPECT_EQ(read(), "900,1,10\n500,2,30\n500,-1,20\n0,-1,40\n");
  EXPECT_FALSE(fs::exists(dir / "highscores.csv.tmp"));
}

TEST_F(HighscoreFileTest, LaterEqualScoreStandsAboveAndOnlyTheBestTenAreSaved) {
  HighscoreTable table = loaded();
  for (int i = 0; i < 11; ++i) table.record(1000 + i, 0, i);
  table.record(1005, 3, 99);
  ASSERT_TRUE(table.save(file));
  const std::string text = read();
  EXPECT_EQ(text.substr(0, text.find('\n')), "1010,0,10");
  EXPECT_NE(text.find("1005,3,99\n1005,0,5\n"), std::string::npos);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 10);
  EXPECT_EQ(text.find("1000,"), std::string::npos);  // the lowest is not saved
  HighscoreTable zero;
  zero.record(0, -1, 5);  // a score of zero is a real record
  ASSERT_TRUE(zero.save(file));
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
