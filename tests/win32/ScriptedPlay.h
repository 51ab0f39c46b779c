#pragma once

#include <set>

#include "controls/ControlSource.h"

// A player that fires all the time, sweeps the ship around the field and sets off a bomb now and
// then: enough to make every kind of drawing of a level happen.
class ScriptedPlay final : public ControlSource {
 public:
  void setFrame(int frame);
  bool keyHeld(Key key) const override { return held_.count(key) != 0; }
  int joystickDeviceCount() const override { return 0; }
  std::optional<JoystickReading> readJoystick(int) const override { return std::nullopt; }

 private:
  std::set<Key> held_;
};
