// Any bytes as highscores.csv: the loader keeps what it can read and an empty slot for the rest, so
// the table always holds ten records or more; every record it kept writes back to a line that reads
// back to the same record. It never crashes or hangs.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "game/Highscores.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  HighscoreTable table;
  table.read(in);
  if (table.size() < HighscoreTable::kShown) std::abort();
  for (const Highscore& h : table.all()) {
    Highscore again;
    std::string line = HighscoreTable::formatLine(h);
    line.pop_back();  // the line end
    if (!HighscoreTable::parseLine(line, again)) std::abort();
    if (again.score != h.score || again.lives != h.lives || again.date != h.date) std::abort();
  }
  return 0;
}
