#include "controls/Input.h"

namespace {
const NoControls kNoControls;
}

Input::Input() : source_(&kNoControls) {}

void Input::setSource(const ControlSource* source) { source_ = source ? source : &kNoControls; }

void Input::initialize() {
  const int devices = source_->joystickDeviceCount();
  const bool firstUsable = source_->readJoystick(0).has_value();
  const bool secondUsable = devices == 2 && source_->readJoystick(1).has_value();
  if (firstUsable) {
    joystickId_ = 0;
  } else if (secondUsable) {
    joystickId_ = 1;
  } else {
    joystickId_ = kNoJoystick;
    return;  // nothing to read: the centre keeps its previous values
  }
  if (auto reading = source_->readJoystick(joystickId_)) {
    centre_[0] = reading->x;
    centre_[1] = reading->y;
    centre_[2] = reading->z;
  }
}

// Notes what each control answered, for the replay of the game; the answer itself is untouched.
bool Input::answer(Key key, bool isHeld) const {
  if (isHeld) answers_ |= static_cast<std::uint8_t>(1u << static_cast<unsigned>(key));
  return isHeld;
}

template <typename Condition>
bool Input::held(Key key, Condition joystickCondition) const {
  const bool keyHeld = source_->keyHeld(key);
  if (joystickId_ == kNotInitialised || joystickId_ == kNoJoystick) return answer(key, keyHeld);
  const auto reading = source_->readJoystick(joystickId_);
  if (!reading) return answer(key, keyHeld);
  return answer(key, keyHeld || joystickCondition(*reading));
}

// The dead zone halves the centre first (unsigned, rounding down), then triples it for the far
// side.
bool Input::up() const {
  return held(Key::Up, [this](const JoystickReading& j) { return j.y < centre_[1] / 2; });
}
bool Input::down() const {
  return held(Key::Down, [this](const JoystickReading& j) { return j.y > 3 * (centre_[1] / 2); });
}
bool Input::left() const {
  return held(Key::Left, [this](const JoystickReading& j) { return j.x < centre_[0] / 2; });
}
bool Input::right() const {
  return held(Key::Right, [this](const JoystickReading& j) { return j.x > 3 * (centre_[0] / 2); });
}
bool Input::button1() const {
  return held(Key::Z, [](const JoystickReading& j) { return (j.buttons & 1u) != 0; });
}
bool Input::button2() const {
  return held(Key::X, [](const JoystickReading& j) { return (j.buttons & 2u) != 0; });
}
bool Input::button3() const {
  return held(Key::Shift, [](const JoystickReading& j) { return (j.buttons & 4u) != 0; });
}
bool Input::button4() const {
  return held(Key::Space, [](const JoystickReading& j) { return (j.buttons & 8u) != 0; });
}
