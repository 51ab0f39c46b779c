#include "SdlControlSource.h"

namespace {

constexpr int kButtonsRead = 4;

bool scancodeHeld(SDL_Scancode code) {
  int count = 0;
  const Uint8* state = SDL_GetKeyboardState(&count);
  return code > SDL_SCANCODE_UNKNOWN && code < count && state[code] != 0;
}

// The letter keys follow the keyboard layout, like the game's virtual-key codes: Z fires wherever
// the key labelled Z sits.
bool letterHeld(SDL_Keycode letter) { return scancodeHeld(SDL_GetScancodeFromKey(letter)); }

unsigned axisOrCentre(SDL_Joystick* joystick, int axis) {
  if (axis >= SDL_JoystickNumAxes(joystick)) return JoystickReading{}.x;
  return joystickPosition(SDL_JoystickGetAxis(joystick, axis));
}

}  // namespace

SdlControlSource::SdlControlSource() {
  const int count = SDL_NumJoysticks();
  for (int device = 0; device < count; ++device) {
    if (SDL_Joystick* joystick = SDL_JoystickOpen(device)) joysticks_.push_back(joystick);
  }
}

SdlControlSource::~SdlControlSource() {
  for (SDL_Joystick* joystick : joysticks_) SDL_JoystickClose(joystick);
}

bool SdlControlSource::keyHeld(Key key) const {
  if (keyboardHeld(key)) return true;
  const std::optional<PadReading> pad = pad_.read();
  return pad && padHolds(*pad, key);
}

bool SdlControlSource::keyboardHeld(Key key) const {
  switch (key) {
    case Key::Up: return scancodeHeld(SDL_SCANCODE_UP);
    case Key::Down: return scancodeHeld(SDL_SCANCODE_DOWN);
    case Key::Left: return scancodeHeld(SDL_SCANCODE_LEFT);
    case Key::Right: return scancodeHeld(SDL_SCANCODE_RIGHT);
    case Key::Z: return letterHeld(SDLK_z);
    case Key::X: return letterHeld(SDLK_x);
    case Key::Shift: return scancodeHeld(SDL_SCANCODE_LSHIFT) || scancodeHeld(SDL_SCANCODE_RSHIFT);
    case Key::Space: return scancodeHeld(SDL_SCANCODE_SPACE);
  }
  return false;
}

int SdlControlSource::joystickDeviceCount() const { return SDL_NumJoysticks(); }

std::optional<JoystickReading> SdlControlSource::readJoystick(int id) const {
  if (id < 0 || static_cast<std::size_t>(id) >= joysticks_.size()) return std::nullopt;
  SDL_Joystick* joystick = joysticks_[static_cast<std::size_t>(id)];
  if (!SDL_JoystickGetAttached(joystick)) return std::nullopt;
  JoystickReading reading;
  reading.x = axisOrCentre(joystick, 0);
  reading.y = axisOrCentre(joystick, 1);
  reading.z = axisOrCentre(joystick, 2);
  const int buttons = SDL_JoystickNumButtons(joystick);
  for (int button = 0; button < kButtonsRead && button < buttons; ++button) {
    if (SDL_JoystickGetButton(joystick, button)) reading.buttons |= 1u << button;
  }
  return reading;
}
