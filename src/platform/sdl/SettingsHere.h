#pragma once

#include <filesystem>

#include "StoredSettings.h"

// Where settings.toml lives: $XDG_CONFIG_HOME/kelvaron/, or ~/.config/kelvaron/ without it; with
// neither known, the working directory.
std::filesystem::path settingsLocation(const char* xdgConfigHome, const char* home);

// The player's settings for this process, read from settings.toml; a damaged file is reported in
// one line on stderr (and set aside, see StoredSettings).
StoredSettings loadSettingsHere();

// sound.txt, where M's choice was kept before the settings file, counts once when the file does
// not say whether the sound is on: the choice moves into the file.
void carryOverSoundFile(StoredSettings& stored, const std::filesystem::path& soundFile);
