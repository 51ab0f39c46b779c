#include "Win32ControlSource.h"

#include <windows.h>
// mmsystem.h needs the types windows.h defines.
#include <mmsystem.h>

#include "Win32KeyNames.h"

Win32ControlSource::Win32ControlSource(const Settings::Controls& controls) {
  for (std::size_t key = 0; key < virtualKeys_.size(); ++key) {
    virtualKeys_[key] = virtualKeysNamed(controls.keys[key]);
  }
}

bool Win32ControlSource::keyHeld(Key key) const {
  for (const int virtualKey : virtualKeys_[static_cast<std::size_t>(key)]) {
    if ((static_cast<unsigned short>(GetKeyState(virtualKey)) & 0x8000u) != 0) return true;
  }
  return false;
}

int Win32ControlSource::joystickDeviceCount() const { return static_cast<int>(joyGetNumDevs()); }

std::optional<JoystickReading> Win32ControlSource::readJoystick(int id) const {
  JOYINFO info{};
  if (joyGetPos(static_cast<UINT>(id), &info) != JOYERR_NOERROR) return std::nullopt;
  return JoystickReading{info.wXpos, info.wYpos, info.wZpos, info.wButtons};
}
