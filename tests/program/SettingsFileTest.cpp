// The settings text and its keeping: good text, every kind of damage, unknown keys kept, writes
// only on a change, and a failed write leaving the old file whole.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "SettingsFile.h"
#include "SettingsText.h"
#include "StoredSettings.h"
#include "support/ScratchDirectory.h"

namespace {

const char kGood[] = R"([controls]
fire = ["J"]
bomb = ["K", "Left Shift"]
[gamepad]
deadzone = 0.25
[sound]
on = false
volume = 40
[display]
scale = 3
vsync = false
[touch]
sensitivity = 150
[game]
classic = true
)";

void writeText(const std::filesystem::path& file, const std::string& text) {
  std::ofstream(file, std::ios::binary) << text;
}

}  // namespace

TEST(SettingsText, GoodKeysCountAndEachDamageFallsBackToItsDefault) {
  struct Case {
    const char* name;
    std::string text;
    bool damaged;
    int volume;  // what [sound] volume reads as
    int scale;   // what [display] scale reads as
  };
  const Case cases[] = {
      {"good", kGood, false, 40, 3},
      {"empty", "", false, 100, 1},
      {"not TOML", "volume: 40\n[[[", true, 100, 1},
      {"wrong type", "[sound]\nvolume = \"loud\"\n[display]\nscale = 2\n", true, 100, 2},
      {"out of range", "[sound]\nvolume = 101\n[display]\nscale = 2\n", true, 100, 2},
      {"section no table", "sound = 3\n[display]\nscale = 4\n", true, 100, 4},
      {"bad key list", "[controls]\nfire = [\"A\", \"B\", \"C\"]\n[sound]\nvolume = 7\n", true, 7,
       1},
      {"binary bytes", std::string("[sound]\nvolume = 5\n\xff\xfe\0\x01", 23), true, 100, 1},
      {"unknown keys", "[sound]\nvolume = 9\necho = true\n[mods]\nx = 1\n", false, 9, 1},
      // Letters the parser's whitespace test cannot take: kept in strings, refused elsewhere.
      {"letters", "[controls]\nfire = [\"\u00D6\"]\n[\"\u0416\"]\n[sound]\nvolume = 3\n", false, 3,
       1},
      {"letter out of place", "[sound]\nvolume = 3 \u0112\n", true, 100, 1},
  };
  for (const Case& c : cases) {
    const SettingsRead read = readSettingsText(c.text);
    EXPECT_EQ(!read.damage.empty(), c.damaged) << c.name << ": " << read.damage;
    EXPECT_EQ(read.settings.sound.volume, c.volume) << c.name;
    EXPECT_EQ(read.settings.display.scale, c.scale) << c.name;
  }
  const SettingsRead good = readSettingsText(kGood);
  EXPECT_EQ(good.settings.controls.keys[4], std::vector<std::string>{"J"});
  EXPECT_EQ(good.settings.controls.keys[5], (std::vector<std::string>{"K", "Left Shift"}));
  EXPECT_EQ(good.settings.gamepad.deadzone, 0.25);
  EXPECT_FALSE(good.settings.sound.on || good.settings.display.vsync);
  EXPECT_TRUE(good.soundOnGiven && good.settings.game.classic);
  EXPECT_EQ(good.settings.touch.sensitivity, 150);
  const Settings letters = readSettingsText("[controls]\nfire = [\"\u00D6\"]\n").settings;
  EXPECT_EQ(letters.controls.keys[4], std::vector<std::string>{"\u00D6"});
  EXPECT_NE(settingsText(letters).find("fire = [ \"\u00D6\" ]"), std::string::npos);
  // What is written reads back the same.
  EXPECT_EQ(settingsText(readSettingsText(settingsText(good.settings)).settings),
            settingsText(good.settings));
}

TEST(SettingsFile, KeepsUnknownKeysWritesOnlyOnAChangeAndSetsDamageAside) {
  ScratchDirectory scratch;
  const std::filesystem::path file = scratch.path() / "config" / "settings.toml";
  const std::filesystem::path aside = scratch.path() / "config" / "settings.toml.bad";

  {  // No file: nothing is written until a setting changes, then a whole file.
    StoredSettings stored(std::make_unique<SettingsFile>(file));
    EXPECT_FALSE(stored.save(Settings{}));
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_TRUE(stored.change([](Settings& s) { s.sound.on = false; }));
    EXPECT_FALSE(stored.change([](Settings& s) { s.sound.on = false; }));
  }
  EXPECT_FALSE(readSettingsText(readFile(file)).settings.sound.on);

  // Unknown keys and sections survive a write; good keys written by hand stay as they were.
  writeText(file, "[sound]\nvolume = 30\necho = \"yes\"\n[mods]\nspeed = 2\n");
  {
    StoredSettings stored(std::make_unique<SettingsFile>(file));
    EXPECT_TRUE(stored.damage().empty());
    EXPECT_FALSE(stored.soundOnGiven());
    EXPECT_TRUE(stored.change([](Settings& s) { s.display.fullscreen = true; }));
  }
  const std::string written = readFile(file);
  for (const char* kept :
       {"echo = \"yes\"", "[mods]", "speed = 2", "volume = 30", "fullscreen = true"}) {
    EXPECT_NE(written.find(kept), std::string::npos) << kept << " in\n" << written;
  }
  EXPECT_FALSE(std::filesystem::exists(aside));

  // A damaged file: its text goes aside, a whole file replaces it at once, the notice names it.
  const std::string damaged = "[display]\nscale = 9\n[sound]\nvolume = 20\n";
  writeText(file, damaged);
  {
    StoredSettings stored(std::make_unique<SettingsFile>(file));
    EXPECT_NE(stored.damage().find("scale"), std::string::npos) << stored.damage();
    EXPECT_EQ(stored.notice(), "Settings reset: see settings.toml.bad");
    EXPECT_EQ(stored.settings().sound.volume, 20);
  }
  EXPECT_EQ(readFile(aside), damaged);
  EXPECT_TRUE(StoredSettings(std::make_unique<SettingsFile>(file)).damage().empty());
}

TEST(SettingsFile, AFailedWriteLeavesTheOldFileWhole) {
  ScratchDirectory scratch;
  const std::filesystem::path file = scratch.path() / "settings.toml";
  writeText(file, "[sound]\non = true\n");
  // The temporary file's name taken by a folder: the new text cannot be written.
  std::filesystem::create_directory(scratch.path() / "settings.toml.new");
  StoredSettings stored(std::make_unique<SettingsFile>(file));
  EXPECT_FALSE(stored.change([](Settings& s) { s.sound.on = false; }));
  EXPECT_EQ(readFile(file), "[sound]\non = true\n");
}
