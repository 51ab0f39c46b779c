#include "TableCheck.h"

#include <algorithm>
#include <sstream>

#include "game/Highscores.h"

TableCheck checkTable(const std::string& csv) {
  std::istringstream in(csv);
  HighscoreTable table;
  table.read(in);
  TableCheck check;
  for (const Highscore& h : table.all()) check.records += h.score >= 0 ? 1 : 0;
  check.lines = static_cast<int>(std::count(csv.begin(), csv.end(), '\n'));
  if (!csv.empty() && csv.back() != '\n') ++check.lines;
  return check;
}
