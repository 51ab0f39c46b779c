#include "SdlSystem.h"

#include <SDL.h>

#include <stdexcept>
#include <string_view>

namespace {

// SDL falls back to drivers that draw nowhere when it finds no display; a game nobody can see
// would run on unnoticed, so those count as no display unless asked for by name.
void requireVisibleDriver() {
  const char* chosen = SDL_GetCurrentVideoDriver();
  const std::string_view driver = chosen ? chosen : "";
  const bool drawsNowhere = driver == "offscreen" || driver == "dummy";
  if (drawsNowhere && !SDL_GetHint(SDL_HINT_VIDEODRIVER)) {
    SDL_Quit();
    throw std::runtime_error("no display to show it on (check DISPLAY or WAYLAND_DISPLAY)");
  }
}

}  // namespace

SdlSystem::SdlSystem() {
  if (SDL_Init(SDL_INIT_VIDEO) != 0) throw std::runtime_error(SDL_GetError());
  requireVisibleDriver();
  // A failure leaves the keyboard, as a missing joystick does.
  SDL_InitSubSystem(SDL_INIT_JOYSTICK);
  SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
}

SdlSystem::~SdlSystem() { SDL_Quit(); }
