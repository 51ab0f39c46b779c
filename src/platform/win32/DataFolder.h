#pragma once

#include <filesystem>

// Where the highscore table (and the replays folder beside it) lives: "highscores.csv" in the
// folder the game was started from, beside kelvaron.exe when double-clicked, as it always has been;
// when that folder cannot be written (a copy installed under Program Files), in
// %APPDATA%\Kelvaron. With no %APPDATA% known, the start folder it is.
std::filesystem::path highscoreLocation(bool startFolderWritable, const wchar_t* appData);

// The same for this process: tries writing into the start folder, reads %APPDATA%, and makes the
// Kelvaron folder when that is where the table goes.
std::filesystem::path highscoreLocationHere();
