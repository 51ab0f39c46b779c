#pragma once

#include <filesystem>

// Where the highscore table lives: "highscores.csv" in the working directory when the game can
// write there, as it always has; otherwise (started from an installed, read-only place) in the
// user's data directory, $XDG_DATA_HOME/kelvaron/ or ~/.local/share/kelvaron/. With neither known,
// the working directory it is.
std::filesystem::path highscoreLocation(bool workingDirectoryWritable, const char* xdgDataHome,
                                        const char* home);

// The same for this process: looks at the working directory and the environment, and makes the data
// directory when that is where the table goes.
std::filesystem::path highscoreLocationHere();
