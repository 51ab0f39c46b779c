#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/KeyBindings.h"

// Bindings written compactly for tests: "control=Name[,Name]" pairs separated by ';' (for example
// "fire=J;bomb=K,Left Shift"), each a whole new binding. False, changing nothing, when a pair is
// unreadable or the result is not a valid set of bindings.
inline bool applyBindingText(Settings::Controls& controls, std::string_view text) {
  const auto trimmed = [](std::string_view part) {
    while (!part.empty() && part.front() == ' ') part.remove_prefix(1);
    while (!part.empty() && part.back() == ' ') part.remove_suffix(1);
    return part;
  };
  Settings::Controls changed = controls;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find(';'), text.size());
    const std::string_view pair = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    const std::size_t equals = pair.find('=');
    if (equals == std::string_view::npos) return false;
    const std::optional<Bound> bound = boundNamed(trimmed(pair.substr(0, equals)));
    if (!bound) return false;
    std::vector<std::string> names;
    std::string_view list = pair.substr(equals + 1);
    for (std::size_t comma; (comma = list.find(',')) != std::string_view::npos;) {
      names.emplace_back(trimmed(list.substr(0, comma)));
      list.remove_prefix(comma + 1);
    }
    names.emplace_back(trimmed(list));
    auto& binding = *bound == Bound::Pause ? changed.pause : changed.keys[static_cast<int>(*bound)];
    binding = std::move(names);
  }
  if (!validControls(changed)) return false;
  controls = std::move(changed);
  return true;
}
