// Where the highscore table (and replays/ beside it) lives: --data-dir, the installed game, a build
// or unpacked copy in a writable or read-only working directory; and what counts as installed.
#include <gtest/gtest.h>

#include "HighscoreLocation.h"

TEST(HighscoreLocation, DataDirThenInstalledThenWritableWorkingDirectoryThenUserData) {
  struct Case {
    const char* dataDir;
    bool installed;
    bool writable;
    const char* xdgDataHome;
    const char* home;
    const char* expected;
  };
  const Case cases[] = {
      {nullptr, false, true, "/data", "/home/p", "highscores.csv"},
      {nullptr, false, false, "/data", "/home/p", "/data/kelvaron/highscores.csv"},
      {nullptr, false, false, nullptr, "/home/p", "/home/p/.local/share/kelvaron/highscores.csv"},
      {nullptr, false, false, "", "/home/p", "/home/p/.local/share/kelvaron/highscores.csv"},
      {nullptr, false, false, "relative", "/home/p",
       "/home/p/.local/share/kelvaron/highscores.csv"},
      {nullptr, false, false, nullptr, nullptr, "highscores.csv"},
      // Installed: the user's data directory even where the working directory can be written.
      {nullptr, true, true, "/data", "/home/p", "/data/kelvaron/highscores.csv"},
      {nullptr, true, true, nullptr, "/home/p", "/home/p/.local/share/kelvaron/highscores.csv"},
      {nullptr, true, true, nullptr, nullptr, "highscores.csv"},
      {"", true, true, "/data", "/home/p", "/data/kelvaron/highscores.csv"},
      // --data-dir comes first.
      {"/games/k", true, false, "/data", "/home/p", "/games/k/highscores.csv"},
      {"here", false, true, "/data", "/home/p", "here/highscores.csv"},
  };
  for (const Case& c : cases) {
    DataFolderFacts facts{c.dataDir, c.installed, c.writable, c.xdgDataHome, c.home};
    EXPECT_EQ(highscoreLocation(facts), c.expected)
        << (c.dataDir ? c.dataDir : "-") << " " << c.installed << " " << c.writable << " "
        << (c.xdgDataHome ? c.xdgDataHome : "(unset)");
  }
  for (const char* folder : {"/usr/games", "/usr/local/bin", "/opt/kelvaron/bin"}) {
    EXPECT_TRUE(installedProgramFolder(folder)) << folder;
  }
  for (const char* folder :
       {"/home/p/kelvaron/build/ci/src/platform/sdl", "/home/p/kelvaron", "."}) {
    EXPECT_FALSE(installedProgramFolder(folder)) << folder;
  }
}
