#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>
#include <vector>

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

  ScratchDirectory scratch;
  const fs::path& dir = scratch.path();
  fs::path file = dir / "highscores.csv";
};

}  // namespace

// Whatever the file holds, the table has ten slots: the good lines best first, then empty slots
// (score -1, lives 0, date 0). A damaged or over-long line is skipped alone; a line may have
// spaces after its commas, a CRLF ending or none at all; lines after the tenth are ignored.
TEST_F(HighscoreFileTest, LoadsTheGoodLinesAndEmptySlotsForTheRest) {
  using Row = std::tuple<int, int, std::int64_t>;
  const Row first{500, -1, 1700000000};
  const Row second{400, 2, 1700000001};
  std::string twelve;
  std::vector<Row> bestTen;
  for (int i = 12; i >= 1; --i) twelve = std::to_string(i * 100) + ",0,0\n" + twelve;
  for (int i = 10; i >= 1; --i) bestTen.emplace_back(i * 100, 0, 0);
  const std::string longest = "1," + std::string(35, '0') + "7,1700000000";  // 49 characters
  const std::tuple<const char*, std::string, std::vector<Row>> cases[] = {
      {"missing", "", {}},
      {"short", "500,-1,1700000000\n400,2,1700000001\n", {first, second}},
      {"damaged", "\nhello\n1,2\n99999999999,1,1\n1,2,3,4\n12,x,3\n500,-1,1700000000\n", {first}},
      {"over-long",
       "500,-1,1700000000\n" + std::string(60, '9') + "\n400,2,1700000001\n",
       {first, second}},
      {"CRLF and spaces", "500, -1, 1700000000\r\n400,2,1700000001\r\n", {first, second}},
      {"no last line feed",
       "500,-1,1700000000\n" + longest + "\n400,2,1700000001",
       {first, second, {1, 7, 1700000000}}},
      {"twelve lines", twelve, bestTen},
  };
  for (const auto& [what, text, rows] : cases) {
    SCOPED_TRACE(what);
    if (!text.empty()) write(text);
    std::vector<Row> loadedRows;
    for (const Highscore& h : loaded().all()) loadedRows.emplace_back(h.score, h.lives, h.date);
    std::vector<Row> expected = rows;
    expected.resize(10, Row{-1, 0, 0});
    EXPECT_EQ(loadedRows, expected);
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
