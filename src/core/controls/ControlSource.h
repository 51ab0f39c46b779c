#pragma once

#include <optional>

// The keys the game polls.
enum class Key { Up, Down, Left, Right, Z, X, Shift, Space };

// One joystick reading: positions on 0..65535 and the button mask (bit 0 = button 1, ...).
struct JoystickReading {
  unsigned x = 32767;
  unsigned y = 32767;
  unsigned z = 32767;
  unsigned buttons = 0;
};

// Raw answers from the platform: is a key held, how many joysticks the driver supports, and what a
// joystick reads. The thresholds that turn these into the game's controls live in Input.
class ControlSource {
 public:
  virtual ~ControlSource() = default;
  virtual bool keyHeld(Key key) const = 0;
  virtual int joystickDeviceCount() const = 0;
  // Empty when the joystick does not answer.
  virtual std::optional<JoystickReading> readJoystick(int id) const = 0;
};

// A source with nothing held and no joystick: the headless default.
class NoControls final : public ControlSource {
 public:
  bool keyHeld(Key) const override { return false; }
  int joystickDeviceCount() const override { return 0; }
  std::optional<JoystickReading> readJoystick(int) const override { return std::nullopt; }
};
