#pragma once

#include <string>
#include <string_view>

#include "settings/Settings.h"

// What a settings text gave: every setting it holds in good order, the default for each it does not
// hold or that cannot be read, and what was wrong with the text (empty when nothing was).
struct SettingsRead {
  Settings settings;
  std::string damage;         // the first fault found, for the one line on stderr
  bool soundOnGiven = false;  // the text says whether the sound is on
};

// Reads the TOML text of settings.toml. Text that is no TOML at all gives the defaults; a key of
// the wrong type or out of range gives that key's default, and the rest still count. Unknown
// sections and keys are passed over.
SettingsRead readSettingsText(std::string_view text);

// The TOML text of `settings`: `previous` (the text they replace) with every key the game knows set
// to its value and every other key kept as it was. Comments and layout are not kept.
std::string settingsText(const Settings& settings, std::string_view previous = {});
