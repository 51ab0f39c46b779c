#include "GameLoop.h"

#include <SDL.h>

#include "FrameLog.h"
#include "FrameTicker.h"
#include "GameWindow.h"
#include "RasterCanvas.h"
#include "game/World.h"
#include "shell/UpdateBridge.h"

namespace {

// Handles the events that arrived since the last frame (which also refreshes the keyboard and
// joystick state the controls read); true when the window was asked to close.
bool closeRequested() {
  bool close = false;
  SDL_Event event;
  while (SDL_PollEvent(&event)) {
    if (event.type == SDL_QUIT) close = true;
    if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE) close = true;
  }
  return close;
}

void runOneFrame(World& world, GameWindow& window, RasterCanvas& canvas) {
  world.windowfront = window.hasFocus();
  canvas.clear();  // every frame is drawn from a black field
  update(world, canvas);
  window.present(canvas.pixels());
}

}  // namespace

void runFrames(World& world, GameWindow& window, RasterCanvas& canvas, FrameLog* log) {
  FrameTicker ticker(FrameTicker::Clock::now());
  for (;;) {
    sleepUntil(ticker.due());
    if (closeRequested()) break;
    const auto started = FrameTicker::Clock::now();
    ticker.frameStarted(started);
    runOneFrame(world, window, canvas);
    if (log) log->frameDone(started, FrameTicker::Clock::now());
    if (world.windowDestroyed()) break;
  }
  world.shutdown();
}
