#pragma once

#include <filesystem>

// What decides where the game keeps what it writes besides its settings: highscores.csv and the
// replays/ folder beside it (the data folder).
struct DataFolderFacts {
  const char* dataDirOption = nullptr;  // --data-dir, when given
  bool installed = false;               // the program runs from an installed games/ or bin/
  bool workingDirectoryWritable = true;
  const char* xdgDataHome = nullptr;
  const char* home = nullptr;
};

// Where the highscore table lives: in the --data-dir folder when given; for the installed game
// always in the user's data directory, $XDG_DATA_HOME/kelvaron/ or ~/.local/share/kelvaron/,
// whatever folder it was started from; otherwise (a build or an unpacked copy) "highscores.csv" in
// the working directory, unless that cannot be written, when the user's data directory it is. With
// neither directory known, the working directory.
std::filesystem::path highscoreLocation(const DataFolderFacts& facts);

// Whether the executable in `folder` is an installed one: installs put it in games/ or bin/, a
// build never does.
bool installedProgramFolder(const std::filesystem::path& folder);

// The same for this process: looks at the executable, the working directory and the environment,
// and makes the data directory. The installed game moves the table, the replays and sound.txt it
// finds in the working directory there the first time (only what the data directory lacks).
std::filesystem::path highscoreLocationHere(const char* dataDirOption = nullptr);
