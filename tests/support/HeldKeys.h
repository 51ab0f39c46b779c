#pragma once

#include <optional>
#include <set>

#include "controls/ControlSource.h"

// The keys a test holds down, and no joystick unless a test adds one.
class HeldKeys : public ControlSource {
 public:
  bool keyHeld(Key key) const override { return held.count(key) != 0; }
  int joystickDeviceCount() const override { return 0; }
  std::optional<JoystickReading> readJoystick(int) const override { return std::nullopt; }

  std::set<Key> held;
};
