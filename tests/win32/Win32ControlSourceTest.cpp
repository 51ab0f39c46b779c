// The keys the game reads and how the Windows key state turns into "held".
#include <gtest/gtest.h>
#include <windows.h>

#include <utility>

#include "Win32ControlSource.h"

namespace {

// Sets this thread's keyboard state: the given virtual key with the given state bits, no other.
void setKeyState(int virtualKey, BYTE bits) {
  BYTE state[256] = {};
  state[virtualKey] = bits;
  SetKeyboardState(state);
}

TEST(Win32ControlSource, AKeyIsHeldExactlyWhileTheHighBitOfItsVirtualKeyIsSet) {
  const std::pair<Key, int> keys[] = {
      {Key::Up, VK_UP}, {Key::Down, VK_DOWN}, {Key::Left, VK_LEFT},   {Key::Right, VK_RIGHT},
      {Key::Z, 'Z'},    {Key::X, 'X'},        {Key::Shift, VK_SHIFT}, {Key::Space, VK_SPACE}};
  const Win32ControlSource source;
  for (const auto& [held, virtualKey] : keys) {
    EXPECT_EQ(virtualKeyOf(held), virtualKey);
    setKeyState(virtualKey, 0x80);
    for (const auto& [key, unused] : keys) EXPECT_EQ(source.keyHeld(key), key == held);
  }
  setKeyState('Z', 0x01);  // the low bit is the toggle state (Caps Lock style), not "held"
  EXPECT_FALSE(source.keyHeld(Key::Z));
  setKeyState(0, 0);
}

}  // namespace
