#include "settings/KeyBindings.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace {

constexpr std::array<std::string_view, kBoundCount> kBoundNames = {
    "up", "down", "left", "right", "fire", "bomb", "third", "leave", "pause"};

std::vector<std::string>& bindingOf(Settings::Controls& controls, Bound bound) {
  if (bound == Bound::Pause) return controls.pause;
  return controls.keys[static_cast<std::size_t>(bound)];
}

// The control holding `name`, and its place there.
std::optional<std::pair<Bound, std::size_t>> holderOf(const Settings::Controls& controls,
                                                      std::string_view name) {
  for (int b = 0; b < kBoundCount; ++b) {
    const auto& names = namesOf(controls, static_cast<Bound>(b));
    for (std::size_t i = 0; i < names.size(); ++i) {
      if (sameKeyName(names[i], name)) return std::pair{static_cast<Bound>(b), i};
    }
  }
  return std::nullopt;
}

// Up and Down on the arrows read "Arrow keys"; any other pair is named as bound.
std::string movementWords(const Settings::Controls& controls) {
  const std::string& up = controls.of(Key::Up).front();
  const std::string& down = controls.of(Key::Down).front();
  if (sameKeyName(up, "Up") && sameKeyName(down, "Down")) return "Arrow keys";
  return up + "/" + down + " keys";
}

}  // namespace

std::string_view boundName(Bound bound) { return kBoundNames[static_cast<std::size_t>(bound)]; }

std::optional<Bound> boundNamed(std::string_view name) {
  for (int b = 0; b < kBoundCount; ++b) {
    if (kBoundNames[static_cast<std::size_t>(b)] == name) return static_cast<Bound>(b);
  }
  return std::nullopt;
}

const std::vector<std::string>& namesOf(const Settings::Controls& controls, Bound bound) {
  if (bound == Bound::Pause) return controls.pause;
  return controls.keys[static_cast<std::size_t>(bound)];
}

bool sameKeyName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::toupper(static_cast<unsigned char>(x)) ==
           std::toupper(static_cast<unsigned char>(y));
  });
}

bool validBinding(const std::vector<std::string>& names) {
  if (names.empty() || names.size() > 2) return false;
  if (std::any_of(names.begin(), names.end(), [](const std::string& n) { return n.empty(); })) {
    return false;
  }
  return names.size() == 1 || !sameKeyName(names[0], names[1]);
}

bool validControls(const Settings::Controls& controls) {
  std::vector<std::string> seen;
  for (int b = 0; b < kBoundCount; ++b) {
    const auto& names = namesOf(controls, static_cast<Bound>(b));
    if (!validBinding(names)) return false;
    for (const std::string& name : names) {
      const auto same = [&name](const std::string& s) { return sameKeyName(s, name); };
      if (std::any_of(seen.begin(), seen.end(), same)) return false;
      seen.push_back(name);
    }
  }
  return true;
}

bool rebind(Settings::Controls& controls, Bound bound, int slot, const std::string& name) {
  std::vector<std::string>& target = bindingOf(controls, bound);
  const auto place = static_cast<std::size_t>(slot);
  if (name.empty() || slot < 0 || place > 1 || place > target.size()) return false;
  const auto holder = holderOf(controls, name);
  if (holder && holder->first == bound) return true;  // already bound here
  if (place == target.size()) {                       // a second key: nothing to hand back
    if (holder) {
      auto& other = bindingOf(controls, holder->first);
      if (other.size() < 2) return false;
      other.erase(other.begin() + static_cast<std::ptrdiff_t>(holder->second));
    }
    target.push_back(name);
    return true;
  }
  if (holder) bindingOf(controls, holder->first)[holder->second] = target[place];
  target[place] = name;
  return true;
}

void resetControls(Settings::Controls& controls) { controls = Settings::Controls{}; }

Settings::Controls playableControls(const Settings::Controls& bound, bool* replaced) {
  const bool valid = validControls(bound);
  if (replaced) *replaced = !valid;
  if (valid) return bound;
  Settings::Controls controls;
  resetControls(controls);
  return controls;
}

std::string menuHint(const Settings::Controls* controls) {
  const Settings::Controls defaults;
  const Settings::Controls& bound = controls && validControls(*controls) ? *controls : defaults;
  return "Use " + movementWords(bound) + " and " + bound.of(Key::Z).front() + " key to select.";
}

MenuAction menuActionOfKey(std::string_view keyName) {
  constexpr std::pair<std::string_view, MenuAction> kKeys[] = {
      {"Up", MenuAction::Up},       {"Down", MenuAction::Down},     {"Left", MenuAction::Left},
      {"Right", MenuAction::Right}, {"Return", MenuAction::Choose}, {"Z", MenuAction::Choose},
      {"Escape", MenuAction::Back}, {"Backspace", MenuAction::Back}};
  for (const auto& [name, action] : kKeys) {
    if (sameKeyName(name, keyName)) return action;
  }
  return MenuAction::None;
}

MenuAction menuActionOfButton(std::string_view buttonName) {
  if (buttonName == "A") return MenuAction::Choose;
  if (buttonName == "B") return MenuAction::Back;
  return MenuAction::None;
}
