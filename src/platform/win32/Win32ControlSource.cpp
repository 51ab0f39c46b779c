#include "Win32ControlSource.h"

#include <windows.h>
// mmsystem.h needs the types windows.h defines.
#include <mmsystem.h>

int virtualKeyOf(Key key) {
  switch (key) {
    case Key::Up: return VK_UP;
    case Key::Down: return VK_DOWN;
    case Key::Left: return VK_LEFT;
    case Key::Right: return VK_RIGHT;
    case Key::Z: return 'Z';
    case Key::X: return 'X';
    case Key::Shift: return VK_SHIFT;
    case Key::Space: return VK_SPACE;
  }
  return 0;
}

bool Win32ControlSource::keyHeld(Key key) const {
  return (static_cast<unsigned short>(GetKeyState(virtualKeyOf(key))) & 0x8000u) != 0;
}

int Win32ControlSource::joystickDeviceCount() const { return static_cast<int>(joyGetNumDevs()); }

std::optional<JoystickReading> Win32ControlSource::readJoystick(int id) const {
  JOYINFO info{};
  if (joyGetPos(static_cast<UINT>(id), &info) != JOYERR_NOERROR) return std::nullopt;
  return JoystickReading{info.wXpos, info.wYpos, info.wZpos, info.wButtons};
}
