#pragma once

#include <SDL.h>

#include "PausableLoop.h"

class GameWindow;
class SdlControlSource;

// P or Escape pressed (not a held key's repeat), or a game controller's Back button.
bool pausePressed(const SDL_Event& event);
// M pressed (not a held key's repeat).
bool soundKeyPressed(const SDL_Event& event);

// Handles the events that arrived since the last look, which also refreshes the keyboard and
// joystick state the controls read: F11 and Alt+Enter switch fullscreen, controllers plugged in or
// out reach `controls` when given. With `escapeCloses` (a replay shown) Escape ends the program.
LoopRequests handleEvents(GameWindow& window, SdlControlSource* controls, bool escapeCloses);
