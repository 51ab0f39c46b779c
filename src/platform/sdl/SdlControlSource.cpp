#include "SdlControlSource.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int kButtonsRead = 4;

bool scancodeHeld(SDL_Scancode code) {
  int count = 0;
  const Uint8* state = SDL_GetKeyboardState(&count);
  return code > SDL_SCANCODE_UNKNOWN && code < count && state[code] != 0;
}

// Keys are bound by their labels: the key that carries "Z" in the player's layout fires, wherever
// it sits. Asked at every look, as the layout may change while the game runs.
bool anyHeld(const std::vector<SDL_Keycode>& keys) {
  return std::any_of(keys.begin(), keys.end(),
                     [](SDL_Keycode key) { return scancodeHeld(SDL_GetScancodeFromKey(key)); });
}

unsigned axisOrCentre(SDL_Joystick* joystick, int axis) {
  if (axis >= SDL_JoystickNumAxes(joystick)) return JoystickReading{}.x;
  return joystickPosition(SDL_JoystickGetAxis(joystick, axis));
}

}  // namespace

SdlControlSource::SdlControlSource(SdlBindings bindings) : bindings_(std::move(bindings)) {
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
  return pad && padHolds(*pad, key, bindings_);
}

bool SdlControlSource::keyboardHeld(Key key) const {
  return anyHeld(bindings_.keys[static_cast<std::size_t>(key)]);
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
