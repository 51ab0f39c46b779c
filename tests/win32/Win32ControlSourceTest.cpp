// The keys the game reads: key names as Windows' virtual keys, and how the Windows key state
// turns into "held".
#include <gtest/gtest.h>
#include <windows.h>

#include <utility>

#include "Win32ControlSource.h"
#include "Win32KeyNames.h"

namespace {

// Sets this thread's keyboard state: the given virtual key with the given state bits, no other.
void setKeyState(int virtualKey, BYTE bits) {
  BYTE state[256] = {};
  state[virtualKey] = bits;
  SetKeyboardState(state);
}

TEST(Win32KeyNames, NamesTheOtherProgramsWriteAreWindowsVirtualKeys) {
  const std::pair<const char*, int> names[] = {{"Up", VK_UP},
                                               {"Space", VK_SPACE},
                                               {"Left Shift", VK_LSHIFT},
                                               {"Right Shift", VK_RSHIFT},
                                               {"Escape", VK_ESCAPE},
                                               {"Return", VK_RETURN},
                                               {"Z", 'Z'},
                                               {"j", 'J'},
                                               {"7", '7'},
                                               {"F5", VK_F5},
                                               {"F12", VK_F12},
                                               {"left ctrl", VK_LCONTROL},
                                               {"F13", 0},
                                               {"No Such Key", 0},
                                               {"", 0}};
  for (const auto& [name, key] : names) EXPECT_EQ(virtualKeyNamed(name), key) << name;
}

TEST(Win32ControlSource, AControlIsHeldExactlyWhileTheHighBitOfABoundKeyIsSet) {
  const Settings::Controls today;
  Settings::Controls rebound;
  rebound.keys[static_cast<int>(Key::Z)] = {"J", "F5"};
  const struct {
    Key key;
    int virtualKey;
    const Settings::Controls& controls;
  } cases[] = {
      {Key::Up, VK_UP, today},        {Key::Down, VK_DOWN, today},    {Key::Left, VK_LEFT, today},
      {Key::Right, VK_RIGHT, today},  {Key::Z, 'Z', today},           {Key::X, 'X', today},
      {Key::Shift, VK_LSHIFT, today}, {Key::Shift, VK_RSHIFT, today}, {Key::Space, VK_SPACE, today},
      {Key::Z, 'J', rebound},         {Key::Z, VK_F5, rebound}};
  for (const auto& c : cases) {
    const Win32ControlSource source(c.controls);
    setKeyState(c.virtualKey, 0x80);
    for (Key key :
         {Key::Up, Key::Down, Key::Left, Key::Right, Key::Z, Key::X, Key::Shift, Key::Space}) {
      EXPECT_EQ(source.keyHeld(key), key == c.key) << c.virtualKey;
    }
  }
  const Win32ControlSource source(rebound);
  setKeyState('Z', 0x80);  // no longer fire
  EXPECT_FALSE(source.keyHeld(Key::Z));
  setKeyState('J', 0x01);  // the low bit is the toggle state (Caps Lock style), not "held"
  EXPECT_FALSE(source.keyHeld(Key::Z));
  setKeyState(0, 0);
}

}  // namespace
