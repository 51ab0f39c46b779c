#include "InputTimeline.h"

#include <charconv>
#include <sstream>

namespace {

const std::map<std::string, Key>& keyNames() {
  static const std::map<std::string, Key> kNames = {
      {"up", Key::Up}, {"down", Key::Down}, {"left", Key::Left},   {"right", Key::Right},
      {"z", Key::Z},   {"x", Key::X},       {"shift", Key::Shift}, {"space", Key::Space}};
  return kNames;
}

std::optional<Key> keyNamed(const std::string& name) {
  auto it = keyNames().find(name);
  if (it == keyNames().end()) return std::nullopt;
  return it->second;
}

bool parseControls(const std::string& text, std::set<Key>& keys, std::string& bad) {
  keys.clear();
  if (text == "-") return true;
  if (text.back() == ',') {
    bad = "";
    return false;
  }
  std::stringstream list(text);
  for (std::string name; std::getline(list, name, ',');) {
    auto key = keyNamed(name);
    if (!key) {
      bad = name;
      return false;
    }
    keys.insert(*key);
  }
  return !keys.empty();
}

}  // namespace

std::optional<InputTimeline> InputTimeline::parse(std::istream& in, std::string& error) {
  InputTimeline timeline;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::istringstream fields(line);
    std::string frameText;
    std::string controlsText;
    std::string extra;
    if (!(fields >> frameText) || frameText[0] == '#') continue;
    const std::string where = "input line " + std::to_string(number) + ": ";
    std::int64_t frame = 0;
    auto [end, ec] = std::from_chars(frameText.data(), frameText.data() + frameText.size(), frame);
    if (ec != std::errc() || end != frameText.data() + frameText.size() || frame < 0) {
      error = where + "\"" + frameText + "\" is not a frame number";
      return std::nullopt;
    }
    if (!(fields >> controlsText) || (fields >> extra)) {
      error = where + "expected FRAME CONTROLS, e.g. \"120 left,z\" or \"300 -\"";
      return std::nullopt;
    }
    std::set<Key> keys;
    std::string bad;
    if (!parseControls(controlsText, keys, bad)) {
      error = where + "unknown control \"" + bad +
              "\" (use - or a comma-separated list of up down left right z x shift space)";
      return std::nullopt;
    }
    timeline.changes_[frame] = std::move(keys);
  }
  return timeline;
}

const std::set<Key>& InputTimeline::heldAt(std::int64_t frame) const {
  static const std::set<Key> kNothing;
  auto it = changes_.upper_bound(frame);
  if (it == changes_.begin()) return kNothing;
  return std::prev(it)->second;
}

std::string InputTimeline::formatControls(const std::set<Key>& keys) {
  std::string text;
  for (const auto& [name, key] : keyNames()) {
    if (keys.count(key) == 0) continue;
    if (!text.empty()) text += ',';
    text += name;
  }
  return text.empty() ? "-" : text;
}
