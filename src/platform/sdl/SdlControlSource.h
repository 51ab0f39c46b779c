#pragma once

#include <SDL.h>

#include <cstdint>
#include <vector>

#include "Gamepad.h"
#include "SdlBindings.h"
#include "controls/ControlSource.h"

// Keyboard, joysticks and a game controller as SDL sees them. The joysticks present at start are
// opened at construction (SDL's joystick subsystem must be running); one plugged in later is not
// picked up, as the game chooses its joystick once. A game controller, plugged in before or after
// start, acts as a second keyboard. Keys and buttons answer as the player bound them.
class SdlControlSource final : public ControlSource {
 public:
  explicit SdlControlSource(SdlBindings bindings);
  ~SdlControlSource() override;
  SdlControlSource(const SdlControlSource&) = delete;
  SdlControlSource& operator=(const SdlControlSource&) = delete;

  // Controller plugged in or out.
  void handle(const SDL_Event& event) { pad_.handle(event); }

  bool keyHeld(Key key) const override;
  int joystickDeviceCount() const override;
  // The id-th joystick opened at start; empty when there is none or it has been unplugged.
  std::optional<JoystickReading> readJoystick(int id) const override;

 private:
  bool keyboardHeld(Key key) const;

  SdlBindings bindings_;
  std::vector<SDL_Joystick*> joysticks_;
  GamepadSlot pad_;
};

// SDL's signed axis (-32768..32767) on the game's 0..65535 scale.
constexpr unsigned joystickPosition(std::int16_t axis) {
  return static_cast<unsigned>(static_cast<int>(axis) + 32768);
}
