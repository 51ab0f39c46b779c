#include "Gamepad.h"

namespace {

// Half-way out counts as pushed, like the joystick's thresholds.
constexpr int kStickPushed = 16384;

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
    const auto button = [pad](SDL_GameControllerButton b) {
      return SDL_GameControllerGetButton(pad, b) != 0;
    };
    PadReading reading;
    reading.leftX = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTX);
    reading.leftY = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTY);
    reading.up = button(SDL_CONTROLLER_BUTTON_DPAD_UP);
    reading.down = button(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    reading.left = button(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    reading.right = button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    reading.a = button(SDL_CONTROLLER_BUTTON_A);
    reading.b = button(SDL_CONTROLLER_BUTTON_B);
    reading.start = button(SDL_CONTROLLER_BUTTON_START);
    return reading;
  }
};

}  // namespace

bool padHolds(const PadReading& pad, Key key) {
  switch (key) {
    case Key::Up: return pad.up || pad.leftY <= -kStickPushed;
    case Key::Down: return pad.down || pad.leftY >= kStickPushed;
    case Key::Left: return pad.left || pad.leftX <= -kStickPushed;
    case Key::Right: return pad.right || pad.leftX >= kStickPushed;
    case Key::Z: return pad.a;
    case Key::X: return pad.b;
    case Key::Space: return pad.start;
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
