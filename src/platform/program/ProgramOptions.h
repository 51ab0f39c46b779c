#pragma once

#include <CLI/CLI.hpp>
#include <string>

// The options the Linux and Windows programs take alike: the timing logs and the sound.
inline void addLogAndSoundOptions(CLI::App& app, std::string& frameLog, std::string& presentLog,
                                  bool& mute, int& volume) {
  app.add_option("--frame-log", frameLog,
                 "Write one line per game update to FILE: its start on the steady clock and how "
                 "long it took, in microseconds")
      ->option_text("FILE");
  app.add_option("--present-log", presentLog,
                 "Write one line per present to FILE, in the same form")
      ->option_text("FILE");
  app.add_flag("--mute", mute, "Start with the sound off (M turns it on)");
  app.add_option("--volume", volume, "Sound volume")
      ->option_text("N (0 to 100, default 100)")
      ->check(CLI::Range(0, 100));
}

// Where the Linux and Windows programs keep highscores.csv and replays/ for this run.
inline void addDataDirOption(CLI::App& app, std::string& dataDir) {
  app.add_option("--data-dir", dataDir,
                 "Keep highscores.csv and the replays/ folder in DIR instead of the usual place")
      ->option_text("DIR");
}
