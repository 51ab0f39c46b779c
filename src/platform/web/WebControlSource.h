#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "TouchControls.h"
#include "controls/ControlSource.h"
#include "settings/Settings.h"

// The page's keyboard, its touch overlay and the first standard-mapping gamepad, as the game's raw
// controls.
//
// Browsers report a gamepad only once a button on it is pressed, long after the game chose its
// joystick at start. So joystick 0 always answers: centred with no button held while no gamepad is
// there, the gamepad's stick, d-pad and buttons once one is. The game's thresholds then read it as
// they read any joystick. Keys and buttons answer as the player bound them.
class WebControlSource final : public ControlSource {
 public:
  explicit WebControlSource(const Settings& settings = {});
  const Settings::Controls& bindings() const { return bindings_; }

  // Keyboard events of the page; true when the key drives a control (the page then does not
  // scroll or click on it). `key` and `code` are the event's ("ArrowUp", "z", " ", "Shift" with
  // "ShiftLeft").
  bool keyChanged(std::string_view key, std::string_view code, bool down);
  // Whether the key is one of the pause keys.
  bool pauses(std::string_view key, std::string_view code) const;
  // The page lost the focus: the key releases will not arrive, so every key counts as released.
  void releaseAllKeys() {
    held_.fill(false);
    touch_.clear();
  }
  // Reads the gamepads once per displayed frame, as browsers ask.
  void sampleGamepads();
  // Whether the last sampling found the gamepad's pause button (Back unless bound otherwise)
  // newly pressed.
  bool backPressed() const { return backPressed_; }

  TouchControls& touch() { return touch_; }

  bool keyHeld(Key key) const override {
    return held_[static_cast<std::size_t>(key)] || touch_.held(key);
  }
  int joystickDeviceCount() const override { return 1; }
  std::optional<JoystickReading> readJoystick(int id) const override;

 private:
  static constexpr std::size_t kKeys = 8;
  Settings::Controls bindings_;
  Settings::Gamepad gamepadBindings_;
  std::array<bool, kKeys> held_{};
  TouchControls touch_;
  JoystickReading gamepad_;
  bool backHeld_ = false;
  bool backPressed_ = false;
};

// A stick axis of -1 (left, up) to 1 (right, down) on the joystick's 0 to 65535.
unsigned gamepadAxisPosition(double axis);
