#pragma once

#include <memory>
#include <optional>
#include <string>

#include "settings/Settings.h"

// Where a program keeps its settings text: a file, or the browser's storage.
class SettingsStorage {
 public:
  virtual ~SettingsStorage() = default;
  // The stored text; empty when there is none (a first start).
  virtual std::optional<std::string> read() = 0;
  // Replaces the stored text whole or not at all. False when it could not.
  virtual bool write(const std::string& text) = 0;
  // Keeps a text the game could not read beside the settings (settings.toml.bad).
  virtual void keepAside(const std::string& text) = 0;
  // Where a player finds the text kept aside, for the notice.
  virtual std::string asideName() const = 0;
};

// The player's settings as stored. A damaged text never stops the game and is never lost: what can
// be read counts, the rest takes its default, the text goes aside and a whole one replaces it at
// once, so the player is told only once. Settings are written only when one of them changed.
class StoredSettings {
 public:
  explicit StoredSettings(std::unique_ptr<SettingsStorage> storage);

  const Settings& settings() const { return settings_; }
  // What was wrong with the stored text (empty: nothing), and the notice to show for it.
  const std::string& damage() const { return damage_; }
  std::string notice() const;
  // The stored text says whether the sound is on (else an older keeping of it may).
  bool soundOnGiven() const { return soundOnGiven_; }

  // Stores `settings` when they differ from the stored ones, keeping keys the game does not know.
  // True when the stored text changed.
  bool save(const Settings& settings);
  // The same with one change made to the stored settings.
  template <typename Change>
  bool change(Change change) {
    Settings changed = settings_;
    change(changed);
    return save(changed);
  }

 private:
  bool write(const Settings& settings);

  std::unique_ptr<SettingsStorage> storage_;
  Settings settings_;
  std::string text_;  // the text as stored
  std::string damage_;
  bool soundOnGiven_ = false;
};
