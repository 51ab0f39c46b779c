#include "SettingsHere.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "SettingsFile.h"
#include "sound/SoundSwitch.h"

namespace {

const std::filesystem::path kFile = "settings.toml";

bool usable(const char* directory) { return directory && directory[0] == '/'; }

}  // namespace

std::filesystem::path settingsLocation(const char* xdgConfigHome, const char* home) {
  if (usable(xdgConfigHome)) return std::filesystem::path(xdgConfigHome) / "kelvaron" / kFile;
  if (usable(home)) return std::filesystem::path(home) / ".config/kelvaron" / kFile;
  return kFile;
}

StoredSettings loadSettingsHere() {
  const std::filesystem::path file =
      settingsLocation(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
  StoredSettings stored(std::make_unique<SettingsFile>(file));
  if (!stored.damage().empty()) {
    std::fprintf(stderr,
                 "kelvaron: %s: %s; the defaults stand for what could not be read, the old "
                 "file is kept as %s.bad\n",
                 file.c_str(), stored.damage().c_str(), file.c_str());
  }
  return stored;
}

void carryOverSoundFile(StoredSettings& stored, const std::filesystem::path& soundFile) {
  std::error_code error;
  if (stored.soundOnGiven() || !std::filesystem::exists(soundFile, error)) return;
  const bool on = readSoundOn(soundFile.string());
  stored.change([on](Settings& settings) { settings.sound.on = on; });
}
