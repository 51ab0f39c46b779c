#pragma once

#include <array>
#include <set>

#include "controls/ControlSource.h"

// A player that fires all the time, sweeps the ship around the field and sets off a bomb now and
// then: enough to make every kind of drawing of a level happen.
class ScriptedPlay final : public ControlSource {
 public:
  void setFrame(int frame) {
    static constexpr std::array<std::array<Key, 2>, 4> kSweeps = {{{Key::Left, Key::Up},
                                                                   {Key::Right, Key::Down},
                                                                   {Key::Right, Key::Up},
                                                                   {Key::Left, Key::Down}}};
    const auto& sweep = kSweeps[static_cast<std::size_t>((frame / 70) % 4)];
    held_ = {Key::Z, sweep[0], sweep[1]};
    if (frame % 600 < 5) held_.insert(Key::X);
    if (frame % 900 < 5) held_.insert(Key::Space);  // leaves a result screen when one shows
  }
  bool keyHeld(Key key) const override { return held_.count(key) != 0; }
  int joystickDeviceCount() const override { return 0; }
  std::optional<JoystickReading> readJoystick(int) const override { return std::nullopt; }

 private:
  std::set<Key> held_;
};
