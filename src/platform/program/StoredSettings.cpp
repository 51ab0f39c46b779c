#include "StoredSettings.h"

#include "SettingsText.h"

StoredSettings::StoredSettings(std::unique_ptr<SettingsStorage> storage)
    : storage_(std::move(storage)) {
  const std::optional<std::string> text = storage_->read();
  if (!text) return;
  text_ = *text;
  SettingsRead read = readSettingsText(text_);
  settings_ = std::move(read.settings);
  damage_ = std::move(read.damage);
  soundOnGiven_ = read.soundOnGiven;
  if (damage_.empty()) return;
  storage_->keepAside(text_);
  write(settings_);
}

std::string StoredSettings::notice() const {
  return damage_.empty() ? std::string() : "Settings reset: see " + storage_->asideName();
}

bool StoredSettings::save(const Settings& settings) {
  // Settings compare by their text alone, so a stored text laid out by hand is left alone.
  if (settingsText(settings) == settingsText(settings_)) return false;
  return write(settings);
}

bool StoredSettings::write(const Settings& settings) {
  std::string text = settingsText(settings, text_);
  if (!storage_->write(text)) return false;
  settings_ = settings;
  text_ = std::move(text);
  return true;
}
