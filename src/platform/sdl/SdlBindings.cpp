#include "SdlBindings.h"

#include <algorithm>
#include <cctype>
#include <cmath>

bool SdlBindings::pauses(SDL_Keycode key) const {
  return std::find(pause.begin(), pause.end(), key) != pause.end();
}

std::vector<SDL_Keycode> sdlKeysNamed(const std::vector<std::string>& names) {
  std::vector<SDL_Keycode> keys;
  for (const std::string& name : names) {
    const SDL_Keycode key = SDL_GetKeyFromName(name.c_str());
    if (key != SDLK_UNKNOWN) keys.push_back(key);
  }
  return keys;
}

// SDL spells its buttons in lower case without spaces: "Left Shoulder" is "leftshoulder".
SDL_GameControllerButton sdlButtonNamed(const std::string& name) {
  std::string sdlName;
  for (const char c : name) {
    if (c != ' ') sdlName += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return SDL_GameControllerGetButtonFromString(sdlName.c_str());
}

SdlBindings sdlBindings(const Settings::Controls& controls, const Settings::Gamepad& gamepad) {
  SdlBindings bindings;
  for (std::size_t key = 0; key < bindings.keys.size(); ++key) {
    bindings.keys[key] = sdlKeysNamed(controls.keys[key]);
  }
  bindings.pause = sdlKeysNamed(controls.pause);
  bindings.fire = sdlButtonNamed(gamepad.fire);
  bindings.bomb = sdlButtonNamed(gamepad.bomb);
  bindings.leave = sdlButtonNamed(gamepad.leave);
  bindings.pauseButton = sdlButtonNamed(gamepad.pause);
  // Never quite zero: a centred stick must not hold both directions.
  const double deadzone = std::clamp(gamepad.deadzone, 0.01, 1.0);
  bindings.stickPushed = static_cast<int>(std::lround(deadzone * 32768.0));
  return bindings;
}
