#pragma once

#include <cstdint>
#include <string>

// The texts of one highscore row, as the title screen shows them.
struct HighscoreRowText {
  std::string score;
  std::string lives;
  std::string date;
};

struct Highscore;
HighscoreRowText formatHighscoreRow(const Highscore& record);

// Where the title draws a menu entry on the play field: its text's top left and the frame that
// stands round it while it is selected. The browser page hit-tests a tap against the same frames.
struct TitleMenuRow {
  int textX;
  int textY;
  int frameLeft;
  int frameTop;
  int frameRight;
  int frameBottom;
};

inline constexpr int kTitleMenuEntries = 3;  // New Game, Continue, Quit
TitleMenuRow titleMenuRow(int entry);
