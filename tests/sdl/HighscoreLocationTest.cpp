// Where the highscore table lives when the working directory can and cannot be written.
#include <gtest/gtest.h>

#include "HighscoreLocation.h"

TEST(HighscoreLocation, WorkingDirectoryWhenWritableElseTheUsersDataDirectory) {
  struct Case {
    bool writable;
    const char* xdgDataHome;
    const char* home;
    const char* expected;
  };
  const Case cases[] = {
      {true, "/data", "/home/p", "highscores.csv"},
      {false, "/data", "/home/p", "/data/kelvaron/highscores.csv"},
      {false, nullptr, "/home/p", "/home/p/.local/share/kelvaron/highscores.csv"},
      {false, "", "/home/p", "/home/p/.local/share/kelvaron/highscores.csv"},
      {false, "relative", "/home/p", "/home/p/.local/share/kelvaron/highscores.csv"},
      {false, nullptr, nullptr, "highscores.csv"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(highscoreLocation(c.writable, c.xdgDataHome, c.home), c.expected)
        << c.writable << " " << (c.xdgDataHome ? c.xdgDataHome : "(unset)");
  }
}
