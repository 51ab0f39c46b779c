#pragma once

#include <optional>
#include <string>

#include "GameWindow.h"

struct Options {
  std::string frameLog;    // one line per update; empty: no log
  std::string presentLog;  // one line per present; empty: no log
  WindowLook look;
  std::string replay;  // a replay to show instead of playing
  bool mute = false;   // start with the sound off
  int volume = 100;    // 0 to 100
};

// Reads the command line. Returns the exit status when the program should stop at once: 0 after
// --help or --version, 2 with a one-line message and the usage on stderr for an unknown option or
// a bad value.
std::optional<int> parseOptions(int argc, char** argv, Options& options);
