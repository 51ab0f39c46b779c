#include "WebKeyNames.h"

#include <cctype>
#include <utility>

namespace {

constexpr std::pair<std::string_view, std::string_view> kNamedKeys[] = {
    {"ArrowUp", "Up"}, {"ArrowDown", "Down"}, {"ArrowLeft", "Left"},   {"ArrowRight", "Right"},
    {" ", "Space"},    {"Enter", "Return"},   {"Escape", "Escape"},    {"Backspace", "Backspace"},
    {"Tab", "Tab"},    {"Delete", "Delete"},  {"Insert", "Insert"},    {"Home", "Home"},
    {"End", "End"},    {"PageUp", "PageUp"},  {"PageDown", "PageDown"}};

// Modifier keys by the event's code, which tells left from right.
constexpr std::pair<std::string_view, std::string_view> kSidedKeys[] = {
    {"ShiftLeft", "Left Shift"},    {"ShiftRight", "Right Shift"}, {"ControlLeft", "Left Ctrl"},
    {"ControlRight", "Right Ctrl"}, {"AltLeft", "Left Alt"},       {"AltRight", "Right Alt"}};

constexpr std::pair<std::string_view, int> kStandardButtons[] = {{"a", 0},
                                                                 {"b", 1},
                                                                 {"x", 2},
                                                                 {"y", 3},
                                                                 {"leftshoulder", 4},
                                                                 {"rightshoulder", 5},
                                                                 {"lefttrigger", 6},
                                                                 {"righttrigger", 7},
                                                                 {"back", 8},
                                                                 {"start", 9},
                                                                 {"leftstick", 10},
                                                                 {"rightstick", 11},
                                                                 {"dpup", 12},
                                                                 {"dpdown", 13},
                                                                 {"dpleft", 14},
                                                                 {"dpright", 15},
                                                                 {"guide", 16}};

bool modifier(std::string_view key) { return key == "Shift" || key == "Control" || key == "Alt"; }

}  // namespace

std::string webKeyName(std::string_view key, std::string_view code) {
  if (modifier(key)) {
    for (const auto& [eventCode, name] : kSidedKeys) {
      if (eventCode == code) return std::string(name);
    }
  }
  for (const auto& [eventKey, name] : kNamedKeys) {
    if (eventKey == key) return std::string(name);
  }
  if (key.size() == 1) {
    return std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(key[0]))));
  }
  return std::string(key);  // "F5" and other names both sides share
}

int standardButtonNamed(std::string_view name) {
  std::string plain;
  for (const char c : name) {
    if (c != ' ') plain += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  for (const auto& [button, index] : kStandardButtons) {
    if (button == plain) return index;
  }
  return -1;
}
