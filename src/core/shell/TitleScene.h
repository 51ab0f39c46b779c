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
