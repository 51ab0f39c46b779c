#pragma once

#include <filesystem>

#include "StoredSettings.h"

// Where settings.toml lives: %APPDATA%\Kelvaron\, whichever folder the game is started from; with
// no %APPDATA% known, the start folder.
std::filesystem::path settingsLocation(const wchar_t* appData);

// The player's settings for this process, read from settings.toml (a damaged file is set aside, see
// StoredSettings, and named in one line on stderr).
StoredSettings loadSettingsHere();
