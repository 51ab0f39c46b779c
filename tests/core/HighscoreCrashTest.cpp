// A saving game killed at any moment leaves the old table or the new one, whole.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>

#include "game/Highscores.h"
#include "support/ScratchDirectory.h"

namespace {

HighscoreTable tableOf(int best) {
  HighscoreTable table;
  for (int i = 0; i < 10; ++i) table.record(best - i * 1000, i % 3, 1'700'000'000 + i);
  return table;
}

std::string textOf(const HighscoreTable& table) {
  std::string text;
  for (const Highscore& h : table.best(HighscoreTable::kShown))
    text += HighscoreTable::formatLine(h);
  return text;
}

}  // namespace

TEST(HighscoreCrash, KilledWhileSavingLeavesTheOldOrTheNewTableAndNoTemporaryFileAfterwards) {
  ScratchDirectory scratch;
  const auto file = scratch.path() / "highscores.csv";
  const HighscoreTable older = tableOf(900000);
  const HighscoreTable newer = tableOf(123456);
  ASSERT_TRUE(older.save(file));
  const std::string olderText = textOf(older);
  const std::string newerText = textOf(newer);
  std::mt19937 chance(7);
  std::uniform_int_distribution<int> microseconds(0, 2000);
  for (int round = 0; round < 1000; ++round) {
    const pid_t saver = fork();
    ASSERT_GE(saver, 0);
    if (saver == 0) {
      // The child saves the two tables in turn until it is killed.
      for (;;) {
        newer.save(file);
        older.save(file);
      }
    }
    usleep(static_cast<useconds_t>(microseconds(chance)));
    kill(saver, SIGKILL);
    waitpid(saver, nullptr, 0);
    const std::string text = readFile(file);
    ASSERT_TRUE(text == olderText || text == newerText) << "after kill " << round << ":\n" << text;
  }
  ASSERT_TRUE(newer.save(file));
  EXPECT_EQ(readFile(file), newerText);
  for (const auto& entry : std::filesystem::directory_iterator(scratch.path())) {
    EXPECT_EQ(entry.path().filename(), "highscores.csv");
  }
}

#endif
