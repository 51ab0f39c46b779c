#pragma once

#include <SDL.h>

#include "PausableLoop.h"
#include "SdlBindings.h"

class GameWindow;
class SdlControlSource;

// A pause key pressed (not a held key's repeat: P or Escape unless bound otherwise), or the game
// controller's pause button (Back).
bool pausePressed(const SDL_Event& event, const SdlBindings& bindings);
// M pressed (not a held key's repeat).
bool soundKeyPressed(const SDL_Event& event);

// Handles the events that arrived since the last look, which also refreshes the keyboard and
// joystick state the controls read: F11 and Alt+Enter switch fullscreen, controllers plugged in or
// out reach `controls` when given. With `escapeCloses` (a replay shown) Escape ends the program.
LoopRequests handleEvents(GameWindow& window, SdlControlSource* controls, bool escapeCloses,
                          const SdlBindings& bindings);
