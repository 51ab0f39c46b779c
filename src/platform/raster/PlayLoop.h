#pragma once

#include "PausableLoop.h"
#include "RasterCanvas.h"
#include "game/GameScene.h"
#include "shell/Session.h"
#include "timing/PausableClock.h"

// Plays the session's game in the pausable loop until the window's close box or the title's "Quit",
// then writes the highscores. The game's clock is wall time that stands still while a fight is
// paused; frames go on while the window is in the background, the controls then reading as
// released. (In a header, so that tools built from the raster sources alone need no game.)
inline void playInLoop(Session& session, LoopHost& host, RasterCanvas& canvas, const LoopLogs& logs,
                       int maxStepsPerPresent = FixedStep::kMaxStepsPerPresent) {
  World& world = session.world;
  PausableClock clock(PausableClock::wallNowUs(), host.nowUs());
  world.setClock(&clock);
  LoopGame game;
  game.update = [&] {
    world.windowfront = host.hasFocus();
    canvas.clear();  // every frame is drawn from a black field
    update(session, canvas);
    host.afterUpdate(world, canvas);
  };
  game.over = [&] { return world.windowDestroyed(); };
  game.fightRunning = [&] { return currentScreen(world) == GameScreen::fight; };
  game.clock = &clock;
  PausableLoop(host, canvas, game, logs, maxStepsPerPresent).run();
  world.shutdown();
  world.setClock(nullptr);
}
