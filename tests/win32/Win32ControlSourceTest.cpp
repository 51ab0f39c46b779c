// The keys the game reads and how the Windows key state turns into "held".
#include <gtest/gtest.h>
#include <windows.h>

#include <array>

#include "Win32ControlSource.h"
#include "controls/Input.h"

namespace {

constexpr std::array<Key, 8> kAllKeys = {Key::Up, Key::Down, Key::Left,  Key::Right,
                                         Key::Z,  Key::X,    Key::Shift, Key::Space};

// Sets this thread's keyboard state so that exactly the given virtual key is down.
void holdOnly(int virtualKey) {
  BYTE state[256] = {};
  if (virtualKey) state[virtualKey] = 0x80;
  SetKeyboardState(state);
}

TEST(Win32ControlSource, ReadsTheGamesVirtualKeys) {
  EXPECT_EQ(virtualKeyOf(Key::Up), 38);
  EXPECT_EQ(virtualKeyOf(Key::Down), 40);
  EXPECT_EQ(virtualKeyOf(Key::Left), 37);
  EXPECT_EQ(virtualKeyOf(Key::Right), 39);
  EXPECT_EQ(virtualKeyOf(Key::Z), 90);
  EXPECT_EQ(virtualKeyOf(Key::X), 88);
  EXPECT_EQ(virtualKeyOf(Key::Shift), 16);
  EXPECT_EQ(virtualKeyOf(Key::Space), 32);
}

TEST(Win32ControlSource, AKeyIsHeldExactlyWhileItsHighBitIsSet) {
  const Win32ControlSource source;
  for (Key held : kAllKeys) {
    holdOnly(virtualKeyOf(held));
    for (Key key : kAllKeys) EXPECT_EQ(source.keyHeld(key), key == held);
  }
  // The low bit is the toggle state (Caps Lock style), not "held".
  BYTE state[256] = {};
  state['Z'] = 0x01;
  SetKeyboardState(state);
  EXPECT_FALSE(source.keyHeld(Key::Z));
  holdOnly(0);
}

TEST(Win32ControlSource, WithoutAJoystickInputFallsBackToTheKeys) {
  const Win32ControlSource source;
  if (source.readJoystick(0) || source.readJoystick(1)) GTEST_SKIP() << "a joystick is attached";
  Input input;
  input.setSource(&source);
  input.initialize();
  EXPECT_EQ(input.joystickId(), Input::kNoJoystick);
  holdOnly(VK_LEFT);
  EXPECT_TRUE(input.left());
  EXPECT_FALSE(input.right());
  holdOnly(0);
  EXPECT_FALSE(input.left());
}

}  // namespace
