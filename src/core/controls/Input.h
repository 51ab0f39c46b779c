#pragma once

#include <cstdint>

#include "controls/ControlSource.h"

// The eight polled controls. Each combines a key with the first usable joystick: the arrows or the
// stick for the directions, Z / X / Shift / Space or joystick buttons 1 to 4 for the buttons.
class Input {
 public:
  static constexpr int kNotInitialised = 1000;
  static constexpr int kNoJoystick = 1001;

  Input();

  // The platform's source of key and joystick states; without one nothing is ever held.
  void setSource(const ControlSource* source);

  // Chooses joystick 0, else joystick 1 (asked only when the driver reports exactly two devices),
  // and records its position as the centre of the dead zone.
  void initialize();

  bool up() const;
  bool down() const;
  bool left() const;
  bool right() const;
  bool button1() const;
  bool button2() const;
  bool button3() const;
  bool button4() const;

  // The controls that answered "held" since the last forgetAnswers(), one bit each in the order
  // up, down, left, right, button 1 to 4 (bit 0 first): what the game read this frame.
  std::uint8_t answers() const { return answers_; }
  void forgetAnswers() const { answers_ = 0; }

  int joystickId() const { return joystickId_; }
  unsigned centreX() const { return centre_[0]; }
  unsigned centreY() const { return centre_[1]; }

 private:
  template <typename Condition>
  bool held(Key key, Condition joystickCondition) const;
  bool answer(Key key, bool isHeld) const;

  const ControlSource* source_;
  int joystickId_ = kNotInitialised;
  unsigned centre_[3] = {32767, 32767, 32767};
  mutable std::uint8_t answers_ = 0;
};
