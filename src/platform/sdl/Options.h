#pragma once

#include <optional>
#include <string>

#include "GameWindow.h"
#include "settings/Settings.h"

struct Options {
  std::string frameLog;    // one line per update; empty: no log
  std::string presentLog;  // one line per present; empty: no log
  WindowLook look;
  std::string replay;   // a replay to show instead of playing
  bool mute = false;    // start with the sound off
  int volume = 100;     // 0 to 100
  std::string dataDir;  // where highscores.csv and replays/ go; empty: the usual place
};

// The options as the settings file starts them: the command line then changes them for one run.
Options optionsFrom(const Settings& settings);

// Reads the command line over `options` (what is not given stays as it was). Returns the exit
// status when the program should stop at once: 0 after
// --help or --version, 2 with a one-line message and the usage on stderr for an unknown option or
// a bad value.
std::optional<int> parseOptions(int argc, char** argv, Options& options);
