#include "SettingsText.h"

#include <toml++/toml.h>

#include <sstream>

#include "TomlShield.h"
#include "settings/KeyBindings.h"

namespace {

// Reads one section of the file. Each read leaves the setting as it is unless the key holds a
// good value, and notes the first fault.
class SectionReader {
 public:
  SectionReader(const toml::table& root, const char* section, std::string& damage)
      : section_(section), damage_(damage) {
    const toml::node* node = root.get(section);
    if (!node) return;
    table_ = node->as_table();
    if (!table_) fault("is not a section");
  }

  void flag(const char* key, bool& value) {
    if (const toml::node* node = find(key)) {
      if (const auto read = node->value_exact<bool>()) {
        value = *read;
      } else {
        fault(key, "is not true or false");
      }
    }
  }

  void number(const char* key, int& value, int low, int high) {
    if (const toml::node* node = find(key)) {
      const auto read = node->value_exact<std::int64_t>();
      if (read && *read >= low && *read <= high) {
        value = static_cast<int>(*read);
      } else {
        fault(key,
              "is not a whole number from " + std::to_string(low) + " to " + std::to_string(high));
      }
    }
  }

  void fraction(const char* key, double& value) {
    if (const toml::node* node = find(key)) {
      const auto read = node->value<double>();  // a whole 0 or 1 counts too
      if (read && *read >= 0.0 && *read <= 1.0) {
        value = *read;
      } else {
        fault(key, "is not a number from 0 to 1");
      }
    }
  }

  void name(const char* key, std::string& value) {
    if (const toml::node* node = find(key)) {
      const auto read = node->value_exact<std::string>();
      if (read && !read->empty()) {
        value = *read;
      } else {
        fault(key, "is not a name");
      }
    }
  }

  // One or two key names.
  void names(std::string_view key, std::vector<std::string>& value) {
    const toml::node* node = find(key);
    if (!node) return;
    const toml::array* array = node->as_array();
    std::vector<std::string> read;
    if (array) {
      for (const toml::node& element : *array) {
        const auto name = element.value_exact<std::string>();
        if (!name || name->empty()) break;
        read.push_back(*name);
      }
    }
    if (array && !read.empty() && read.size() == array->size() && read.size() <= 2) {
      value = std::move(read);
    } else {
      fault(key, "is not a list of one or two key names");
    }
  }

 private:
  const toml::node* find(std::string_view key) const { return table_ ? table_->get(key) : nullptr; }

  void fault(const std::string& what) {
    if (damage_.empty()) damage_ = "[" + std::string(section_) + "] " + what;
  }
  void fault(std::string_view key, const std::string& what) {
    fault(std::string(key) + " " + what);
  }

  const char* section_;
  std::string& damage_;
  const toml::table* table_ = nullptr;
};

void readSections(const toml::table& root, Settings& s, std::string& damage) {
  SectionReader controls(root, "controls", damage);
  for (int i = 0; i < Settings::kControls; ++i)
    controls.names(boundName(static_cast<Bound>(i)), s.controls.keys[i]);
  controls.names(boundName(Bound::Pause), s.controls.pause);

  SectionReader gamepad(root, "gamepad", damage);
  gamepad.name("fire", s.gamepad.fire);
  gamepad.name("bomb", s.gamepad.bomb);
  gamepad.name("leave", s.gamepad.leave);
  gamepad.name("pause", s.gamepad.pause);
  gamepad.fraction("deadzone", s.gamepad.deadzone);

  SectionReader sound(root, "sound", damage);
  sound.flag("on", s.sound.on);
  sound.number("volume", s.sound.volume, 0, 100);

  SectionReader display(root, "display", damage);
  display.number("scale", s.display.scale, 1, 4);
  display.flag("fullscreen", s.display.fullscreen);
  display.flag("smooth", s.display.smooth);
  display.flag("vsync", s.display.vsync);
  display.flag("whole_pixels", s.display.wholePixels);

  SectionReader touch(root, "touch", damage);
  touch.flag("left_handed", s.touch.leftHanded);
  touch.number("sensitivity", s.touch.sensitivity, 25, 400);
  touch.flag("fire_held", s.touch.fireHeld);

  SectionReader game(root, "game", damage);
  game.flag("classic", s.game.classic);
}

toml::array nameArray(const std::vector<std::string>& names) {
  toml::array array;
  for (const std::string& name : names) array.push_back(name);
  return array;
}

// The section `name` of `root`, made (or made again over a value that is no section) when needed.
toml::table& section(toml::table& root, const char* name) {
  toml::node* node = root.get(name);
  if (!node || !node->is_table()) root.insert_or_assign(name, toml::table{});
  return *root.get_as<toml::table>(name);
}

void writeSections(const Settings& s, toml::table& root) {
  toml::table& controls = section(root, "controls");
  for (int i = 0; i < Settings::kControls; ++i) {
    controls.insert_or_assign(boundName(static_cast<Bound>(i)), nameArray(s.controls.keys[i]));
  }
  controls.insert_or_assign(boundName(Bound::Pause), nameArray(s.controls.pause));

  toml::table& gamepad = section(root, "gamepad");
  gamepad.insert_or_assign("fire", s.gamepad.fire);
  gamepad.insert_or_assign("bomb", s.gamepad.bomb);
  gamepad.insert_or_assign("leave", s.gamepad.leave);
  gamepad.insert_or_assign("pause", s.gamepad.pause);
  gamepad.insert_or_assign("deadzone", s.gamepad.deadzone);

  toml::table& sound = section(root, "sound");
  sound.insert_or_assign("on", s.sound.on);
  sound.insert_or_assign("volume", s.sound.volume);

  toml::table& display = section(root, "display");
  display.insert_or_assign("scale", s.display.scale);
  display.insert_or_assign("fullscreen", s.display.fullscreen);
  display.insert_or_assign("smooth", s.display.smooth);
  display.insert_or_assign("vsync", s.display.vsync);
  display.insert_or_assign("whole_pixels", s.display.wholePixels);

  toml::table& touch = section(root, "touch");
  touch.insert_or_assign("left_handed", s.touch.leftHanded);
  touch.insert_or_assign("sensitivity", s.touch.sensitivity);
  touch.insert_or_assign("fire_held", s.touch.fireHeld);

  section(root, "game").insert_or_assign("classic", s.game.classic);
}

}  // namespace

SettingsRead readSettingsText(std::string_view text) {
  SettingsRead read;
  toml::table root;
  if (!parseShielded(text, root, read.damage)) {
    read.damage = "not TOML: " + read.damage;
    return read;
  }
  readSections(root, read.settings, read.damage);
  const toml::table* sound = root["sound"].as_table();
  read.soundOnGiven = sound && sound->get("on") && sound->get("on")->is_boolean();
  return read;
}

std::string settingsText(const Settings& settings, std::string_view previous) {
  toml::table root;
  std::string ignored;
  if (!parseShielded(previous, root, ignored)) root = toml::table{};
  writeSections(settings, root);
  std::ostringstream text;
  // Plain double-quoted strings, the form a player most likely writes, letters as they are.
  text << toml::toml_formatter(root, toml::format_flags::allow_unicode_strings) << '\n';
  return text.str();
}
