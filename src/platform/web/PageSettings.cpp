#include "PageSettings.h"

#include <cstdio>
#include <memory>

#include "Page.h"
#include "StorageKeys.h"

namespace {

class PageStorage final : public SettingsStorage {
 public:
  std::optional<std::string> read() override { return page::storedText(storage::kSettings); }
  bool write(const std::string& text) override { return page::storeText(storage::kSettings, text); }
  void keepAside(const std::string& text) override {
    page::storeText(storage::kSettingsAside, text);
  }
  std::string asideName() const override { return storage::kSettingsAside; }
};

}  // namespace

StoredSettings loadPageSettings() {
  StoredSettings stored(std::make_unique<PageStorage>());
  if (!stored.damage().empty()) {
    std::fprintf(stderr,
                 "kelvaron: the stored settings: %s; the defaults stand for what could not "
                 "be read, the old text is kept as %s\n",
                 stored.damage().c_str(), storage::kSettingsAside);
  }
  if (!stored.soundOnGiven() && page::storedText(storage::kSound) == "off") {
    stored.change([](Settings& settings) { settings.sound.on = false; });
  }
  return stored;
}
