#pragma once

#include <filesystem>

#include "StoredSettings.h"

// settings.toml in its folder (made when first written). A new text goes into a temporary file of
// the same folder that then replaces the old one, so a failed write leaves the old file whole.
// A damaged text is kept beside it as settings.toml.bad.
class SettingsFile final : public SettingsStorage {
 public:
  explicit SettingsFile(std::filesystem::path file);

  std::optional<std::string> read() override;
  bool write(const std::string& text) override;
  void keepAside(const std::string& text) override;
  std::string asideName() const override;

  const std::filesystem::path& path() const { return file_; }

 private:
  std::filesystem::path file_;
};
