#pragma once

#include <filesystem>

// Where the highscore table (and the replays folder beside it) lives: "highscores.csv" in the
// folder the game was started from, beside kelvaron.exe when double-clicked, as it always has been;
// when that folder cannot be written (a copy installed under Program Files), in
// %APPDATA%\Kelvaron. With no %APPDATA% known, the start folder it is. A --data-dir folder, when
// given, comes before all of these.
std::filesystem::path highscoreLocation(bool startFolderWritable, const wchar_t* appData,
                                        const std::filesystem::path& dataDir = {});

// The same for this process: tries writing into the start folder, reads %APPDATA%, and makes the
// folder the table goes into.
std::filesystem::path highscoreLocationHere(const std::filesystem::path& dataDir = {});
