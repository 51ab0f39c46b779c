// Any bytes as settings.toml: the reader never crashes or hangs, and whatever it makes of them
// writes back (with the unknown keys of a readable text kept) to a text that reads back whole to
// the same settings.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "SettingsText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const SettingsRead read = readSettingsText(text);
  const std::string written = settingsText(read.settings, text);
  const SettingsRead again = readSettingsText(written);
  if (!again.damage.empty() || !again.soundOnGiven) std::abort();
  if (settingsText(again.settings) != settingsText(read.settings)) std::abort();
  return 0;
}
