#include "LoopEvents.h"

#include "GameWindow.h"
#include "SdlControlSource.h"

namespace {

bool fullscreenKey(const SDL_KeyboardEvent& key) {
  if (key.repeat) return false;
  const SDL_Keycode code = key.keysym.sym;
  return code == SDLK_F11 ||
         ((code == SDLK_RETURN || code == SDLK_KP_ENTER) && (key.keysym.mod & KMOD_ALT) != 0);
}

bool escapePressed(const SDL_Event& event) {
  return event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE;
}

}  // namespace

bool pausePressed(const SDL_Event& event, const SdlBindings& bindings) {
  if (event.type == SDL_CONTROLLERBUTTONDOWN) return event.cbutton.button == bindings.pauseButton;
  if (event.type != SDL_KEYDOWN || event.key.repeat) return false;
  // The key's code follows the keyboard layout, as the game's bound keys do.
  return bindings.pauses(event.key.keysym.sym);
}

bool soundKeyPressed(const SDL_Event& event) {
  return event.type == SDL_KEYDOWN && !event.key.repeat && event.key.keysym.sym == SDLK_m;
}

LoopRequests handleEvents(GameWindow& window, SdlControlSource* controls, bool escapeCloses,
                          const SdlBindings& bindings) {
  LoopRequests requests;
  SDL_Event event;
  while (SDL_PollEvent(&event)) {
    if (event.type == SDL_QUIT) requests.close = true;
    if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE) {
      requests.close = true;
    }
    if (event.type == SDL_KEYDOWN && fullscreenKey(event.key)) window.toggleFullscreen();
    if (controls) controls->handle(event);
    if (escapeCloses && escapePressed(event)) requests.close = true;
    // Two presses before one look cancel out, as they would one update apart.
    if (pausePressed(event, bindings)) requests.pause = !requests.pause;
    if (soundKeyPressed(event)) requests.toggleSound = !requests.toggleSound;
  }
  return requests;
}
