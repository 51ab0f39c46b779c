#pragma once

#include <SDL.h>

#include <cstdint>
#include <optional>

#include "SdlBindings.h"
#include "controls/ControlSource.h"

// One reading of a game controller, in SDL's standard layout.
struct PadReading {
  std::int16_t leftX = 0;
  std::int16_t leftY = 0;
  std::uint32_t buttons = 0;  // bit b: SDL_GameControllerButton b held

  bool held(SDL_GameControllerButton button) const {
    return button >= 0 && button < 32 && (buttons >> button & 1u) != 0;
  }
  void press(SDL_GameControllerButton button) { buttons |= 1u << button; }
};

// A controller as one more keyboard: the left stick past the dead zone and the d-pad move, and the
// bound buttons fire, bomb and leave a result screen (A, B and Start unless bound otherwise).
bool padHolds(const PadReading& pad, Key key, const SdlBindings& bindings);

// What the slot needs of SDL's game controller functions, so tests can stand in for a device.
class PadDevices {
 public:
  virtual ~PadDevices() = default;
  virtual SDL_GameController* open(int deviceIndex) = 0;
  virtual void close(SDL_GameController* pad) = 0;
  virtual SDL_JoystickID instanceOf(SDL_GameController* pad) = 0;
  virtual PadReading read(SDL_GameController* pad) = 0;
};

// The real functions.
PadDevices& sdlPadDevices();

// The one controller in use: the first plugged in, before or after start. Unplugging it releases
// every control it held; the next controller plugged in takes its place.
class GamepadSlot {
 public:
  explicit GamepadSlot(PadDevices& devices = sdlPadDevices()) : devices_(devices) {}
  ~GamepadSlot();
  GamepadSlot(const GamepadSlot&) = delete;
  GamepadSlot& operator=(const GamepadSlot&) = delete;

  // Takes the controller events; others are ignored.
  void handle(const SDL_Event& event);
  // The controller's state, or nothing when none is plugged in.
  std::optional<PadReading> read() const;

 private:
  PadDevices& devices_;
  SDL_GameController* pad_ = nullptr;
};
