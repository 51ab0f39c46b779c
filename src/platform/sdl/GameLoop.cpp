#include "GameLoop.h"

#include <SDL.h>

#include <cstdio>

#include "FrameLog.h"
#include "FrameTicker.h"
#include "GameWindow.h"
#include "RasterCanvas.h"
#include "SdlControlSource.h"
#include "game/World.h"
#include "graphics/Canvas.h"
#include "replay/ReplayPlayer.h"
#include "shell/UpdateBridge.h"

namespace {

bool fullscreenKey(const SDL_KeyboardEvent& key) {
  if (key.repeat) return false;
  const SDL_Keycode code = key.keysym.sym;
  return code == SDLK_F11 ||
         ((code == SDLK_RETURN || code == SDLK_KP_ENTER) && (key.keysym.mod & KMOD_ALT) != 0);
}

// Handles the events that arrived since the last frame (which also refreshes the keyboard and
// joystick state the controls read); true when the window was asked to close, or, when
// `escapeCloses`, Escape was pressed.
bool handleEvents(GameWindow& window, SdlControlSource* controls, bool escapeCloses = false) {
  bool close = false;
  SDL_Event event;
  while (SDL_PollEvent(&event)) {
    if (event.type == SDL_QUIT) close = true;
    if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE) close = true;
    if (event.type == SDL_KEYDOWN && fullscreenKey(event.key)) window.toggleFullscreen();
    if (controls) controls->handle(event);
    if (escapeCloses && event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE) {
      close = true;
    }
  }
  return close;
}

void drawReplayMark(Canvas& canvas, const World& world) {
  canvas.text(world.rc.right - 64, world.rc.bottom - 26, "REPLAY", 0x00FFFF);
}

void runOneFrame(World& world, GameWindow& window, RasterCanvas& canvas) {
  world.windowfront = window.hasFocus();
  canvas.clear();  // every frame is drawn from a black field
  update(world, canvas);
  window.present(canvas.pixels());
}

}  // namespace

void runFrames(World& world, GameWindow& window, RasterCanvas& canvas, FrameLog* log,
               SdlControlSource* controls) {
  FrameTicker ticker(FrameTicker::Clock::now());
  for (;;) {
    sleepUntil(ticker.due());
    if (handleEvents(window, controls)) break;
    const auto started = FrameTicker::Clock::now();
    ticker.frameStarted(started);
    runOneFrame(world, window, canvas);
    if (log) log->frameDone(started, FrameTicker::Clock::now());
    if (world.windowDestroyed()) break;
  }
  world.shutdown();
}

bool runReplay(World& world, GameWindow& window, RasterCanvas& canvas, ReplayPlayer& player) {
  FrameTicker ticker(FrameTicker::Clock::now());
  while (!player.finished()) {
    sleepUntil(ticker.due());
    if (handleEvents(window, nullptr, true)) break;
    ticker.frameStarted(FrameTicker::Clock::now());
    player.beforeFrame(world);
    canvas.clear();
    update(world, canvas);
    player.afterFrame(world);
    drawReplayMark(canvas, world);
    window.present(canvas.pixels());
  }
  if (!player.desync()) return true;
  std::fprintf(stderr, "kelvaron: the replay played back differently: %s\n",
               player.desync()->describe().c_str());
  return false;
}
