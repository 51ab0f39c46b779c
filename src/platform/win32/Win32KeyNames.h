#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Key names as the other programs write them ("Z", "Left Shift", "Up", "F5") and Windows' virtual
// keys. Letters and digits are their own virtual keys, which Windows already places by the player's
// layout; the other keys come from a small table. A name Windows has no key for binds nothing.
int virtualKeyNamed(const std::string& name);
std::vector<int> virtualKeysNamed(const std::vector<std::string>& names);

// A key message's virtual key, with Shift, Ctrl and Alt told apart as left and right, as the
// bindings name them.
int sidedVirtualKey(WPARAM key, LPARAM flags);
