#include "SettingsHere.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "SettingsFile.h"

std::filesystem::path settingsLocation(const wchar_t* appData) {
  const std::filesystem::path file = L"settings.toml";
  if (!appData || !*appData) return file;
  return std::filesystem::path(appData) / L"Kelvaron" / file;
}

StoredSettings loadSettingsHere() {
  const std::filesystem::path file = settingsLocation(_wgetenv(L"APPDATA"));
  StoredSettings stored(std::make_unique<SettingsFile>(file));
  if (!stored.damage().empty()) {
    std::fprintf(stderr,
                 "kelvaron: %s: %s; the defaults stand for what could not be read, the old "
                 "file is kept as %s.bad\n",
                 file.string().c_str(), stored.damage().c_str(), file.string().c_str());
  }
  return stored;
}
