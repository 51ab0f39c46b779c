#pragma once

#include <optional>
#include <string>

struct Options {
  std::string frameLog;  // empty: no log
  std::string replay;    // a replay to show instead of playing
};

// Reads the command line. Returns the exit status when the program should stop at once (after
// --help, or with a message for a bad option).
std::optional<int> parseOptions(int argc, char** argv, Options& options);
