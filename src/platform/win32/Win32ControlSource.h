#pragma once

#include "controls/ControlSource.h"

// The keyboard through GetKeyState (held = high bit set) and the joysticks through the multimedia
// joystick functions. Only raw answers: the dead zone and button mapping live in Input.
class Win32ControlSource final : public ControlSource {
 public:
  bool keyHeld(Key key) const override;
  int joystickDeviceCount() const override;
  std::optional<JoystickReading> readJoystick(int id) const override;
};

// The virtual-key code the game reads for each of its keys.
int virtualKeyOf(Key key);
