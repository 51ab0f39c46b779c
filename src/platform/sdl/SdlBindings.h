#pragma once

#include <SDL.h>

#include <array>
#include <string>
#include <vector>

#include "settings/Settings.h"

// The player's bindings as SDL's codes: keys by the names SDL gives them (SDL_GetKeyFromName, so a
// letter is the key that carries it in the player's layout), controller buttons by their standard
// names ("A", "Back", "Left Shoulder"; SDL's own "leftshoulder" too). Names SDL does not know bind
// nothing.
struct SdlBindings {
  std::array<std::vector<SDL_Keycode>, Settings::kControls> keys;
  std::vector<SDL_Keycode> pause;
  SDL_GameControllerButton fire = SDL_CONTROLLER_BUTTON_A;
  SDL_GameControllerButton bomb = SDL_CONTROLLER_BUTTON_B;
  SDL_GameControllerButton leave = SDL_CONTROLLER_BUTTON_START;
  SDL_GameControllerButton pauseButton = SDL_CONTROLLER_BUTTON_BACK;
  int stickPushed = 16384;  // how far out (of 32768) the stick counts as pushed

  bool pauses(SDL_Keycode key) const;
};

SdlBindings sdlBindings(const Settings::Controls& controls, const Settings::Gamepad& gamepad);

std::vector<SDL_Keycode> sdlKeysNamed(const std::vector<std::string>& names);
SDL_GameControllerButton sdlButtonNamed(const std::string& name);
