#pragma once

#include <string>

// What the game would make of a highscores.csv before it replaces a table: how many records it
// reads from the file and how many lines the file has. Lines beyond the records are skipped ones
// (damaged, empty, or after the tenth).
struct TableCheck {
  int records = 0;
  int lines = 0;
  int skipped() const { return lines - records; }
};

TableCheck checkTable(const std::string& csv);
