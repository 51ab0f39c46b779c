#include "PlayLoop.h"

#include "GameFrame.h"
#include "game/World.h"
#include "replay/ReplayPlayer.h"
#include "timing/PausableClock.h"

void playInLoop(World& world, LoopHost& host, RasterCanvas& canvas, const LoopLogs& logs,
                SoundOutput* sound, int maxStepsPerPresent) {
  PausableClock clock(PausableClock::wallNowUs(), host.nowUs());
  world.setClock(&clock);
  GameFrame frame(world, sound);
  PausableLoop(host, canvas, frame, &clock, logs, maxStepsPerPresent).run();
  world.shutdown();
  world.setClock(nullptr);
}

void replayInLoop(World& world, ReplayPlayer& player, LoopHost& host, RasterCanvas& canvas,
                  const LoopLogs& logs, SoundOutput* sound, int maxStepsPerPresent) {
  if (player.finished()) return;
  GameFrame frame(world, player, sound);
  PausableLoop(host, canvas, frame, nullptr, logs, maxStepsPerPresent).run();
}
