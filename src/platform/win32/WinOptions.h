#pragma once

#include <optional>
#include <string>

#include "settings/Settings.h"

// What the command line asks of the Windows program.
struct WinOptions {
  bool gdi = false;         // the original program: fixed window, 10 ms timer, drawn with GDI
  int scale = 1;            // the window starts at this many times the game's size (and the DPI's)
  bool fullscreen = false;  // starts in borderless fullscreen
  std::string frameLog;     // one line per update; empty: no log
  std::string presentLog;   // one line per present; empty: no log
  bool mute = false;        // start with the sound off (the --gdi program has none)
  int volume = 100;         // 0 to 100
  std::string dataDir;      // where highscores.csv and replays/ go; empty: the usual place
};

// The options as the settings file starts them: the command line then changes them for one run.
WinOptions winOptionsFrom(const Settings& settings);

// Reads the command line over `options` (what is not given stays as it was). Returns the exit
// status when the program should stop at once: 0 after
// --help or --version, 2 for an unknown option or a bad value. A windowed program has no console,
// so what it has to say is shown in a message box.
std::optional<int> parseWinOptions(int argc, char** argv, WinOptions& options);
