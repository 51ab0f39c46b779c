#include "Gamepad.h"

namespace {

class SdlPadDevices final : public PadDevices {
 public:
  SDL_GameController* open(int deviceIndex) override {
    return SDL_IsGameController(deviceIndex) ? SDL_GameControllerOpen(deviceIndex) : nullptr;
  }
  void close(SDL_GameController* pad) override { SDL_GameControllerClose(pad); }
  SDL_JoystickID instanceOf(SDL_GameController* pad) override {
    return SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad));
  }
  PadReading read(SDL_GameController* pad) override {
    PadReading reading;
    reading.leftX = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTX);
    reading.leftY = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTY);
    for (int b = 0; b < SDL_CONTROLLER_BUTTON_MAX; ++b) {
      const auto button = static_cast<SDL_GameControllerButton>(b);
      if (SDL_GameControllerGetButton(pad, button)) reading.press(button);
    }
    return reading;
  }
};

}  // namespace

bool padHolds(const PadReading& pad, Key key, const SdlBindings& bindings) {
  const int pushed = bindings.stickPushed;
  switch (key) {
    case Key::Up: return pad.held(SDL_CONTROLLER_BUTTON_DPAD_UP) || pad.leftY <= -pushed;
    case Key::Down: return pad.held(SDL_CONTROLLER_BUTTON_DPAD_DOWN) || pad.leftY >= pushed;
    case Key::Left: return pad.held(SDL_CONTROLLER_BUTTON_DPAD_LEFT) || pad.leftX <= -pushed;
    case Key::Right: return pad.held(SDL_CONTROLLER_BUTTON_DPAD_RIGHT) || pad.leftX >= pushed;
    case Key::Z: return pad.held(bindings.fire);
    case Key::X: return pad.held(bindings.bomb);
    case Key::Space: return pad.held(bindings.leave);
    case Key::Shift: return false;
  }
  return false;
}

PadDevices& sdlPadDevices() {
  static SdlPadDevices devices;
  return devices;
}

GamepadSlot::~GamepadSlot() {
  if (pad_) devices_.close(pad_);
}

void GamepadSlot::handle(const SDL_Event& event) {
  if (event.type == SDL_CONTROLLERDEVICEADDED && !pad_) {
    pad_ = devices_.open(event.cdevice.which);
  } else if (event.type == SDL_CONTROLLERDEVICEREMOVED && pad_ &&
             devices_.instanceOf(pad_) == event.cdevice.which) {
    devices_.close(pad_);
    pad_ = nullptr;
  }
}

std::optional<PadReading> GamepadSlot::read() const {
  if (!pad_) return std::nullopt;
  return devices_.read(pad_);
}
