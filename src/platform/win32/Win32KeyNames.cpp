#include "Win32KeyNames.h"

#include <cctype>
#include <utility>

#include "settings/KeyBindings.h"

namespace {

constexpr std::pair<const char*, int> kNamedKeys[] = {
    {"Up", VK_UP},
    {"Down", VK_DOWN},
    {"Left", VK_LEFT},
    {"Right", VK_RIGHT},
    {"Space", VK_SPACE},
    {"Return", VK_RETURN},
    {"Escape", VK_ESCAPE},
    {"Backspace", VK_BACK},
    {"Tab", VK_TAB},
    {"Left Shift", VK_LSHIFT},
    {"Right Shift", VK_RSHIFT},
    {"Left Ctrl", VK_LCONTROL},
    {"Right Ctrl", VK_RCONTROL},
    {"Left Alt", VK_LMENU},
    {"Right Alt", VK_RMENU},
    {"Insert", VK_INSERT},
    {"Delete", VK_DELETE},
    {"Home", VK_HOME},
    {"End", VK_END},
    {"PageUp", VK_PRIOR},
    {"PageDown", VK_NEXT},
};

bool letterOrDigit(const std::string& name) {
  return name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0]));
}

// "F1" to "F12".
int functionKey(const std::string& name) {
  if (name.size() < 2 || name.size() > 3 || (name[0] != 'F' && name[0] != 'f')) return 0;
  int number = 0;
  for (std::size_t i = 1; i < name.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(name[i]))) return 0;
    number = number * 10 + (name[i] - '0');
  }
  return number >= 1 && number <= 12 ? VK_F1 + number - 1 : 0;
}

}  // namespace

int virtualKeyNamed(const std::string& name) {
  if (letterOrDigit(name)) return std::toupper(static_cast<unsigned char>(name[0]));
  if (const int key = functionKey(name)) return key;
  for (const auto& [keyName, key] : kNamedKeys) {
    if (sameKeyName(keyName, name)) return key;
  }
  return 0;
}

std::vector<int> virtualKeysNamed(const std::vector<std::string>& names) {
  std::vector<int> keys;
  for (const std::string& name : names) {
    if (const int key = virtualKeyNamed(name)) keys.push_back(key);
  }
  return keys;
}

int sidedVirtualKey(WPARAM key, LPARAM flags) {
  const bool extended = (flags & (1 << 24)) != 0;
  switch (key) {
    case VK_SHIFT: {
      const UINT scanCode = (static_cast<UINT>(flags) >> 16) & 0xFFu;
      return static_cast<int>(MapVirtualKeyA(scanCode, MAPVK_VSC_TO_VK_EX));
    }
    case VK_CONTROL: return extended ? VK_RCONTROL : VK_LCONTROL;
    case VK_MENU: return extended ? VK_RMENU : VK_LMENU;
    default: return static_cast<int>(key);
  }
}
