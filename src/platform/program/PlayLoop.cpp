#include "PlayLoop.h"

#include "GameFrame.h"
#include "replay/ReplayPlayer.h"
#include "shell/Session.h"
#include "timing/PausableClock.h"

void playInLoop(Session& session, LoopHost& host, RasterCanvas& canvas, const LoopLogs& logs,
                SoundOutput* sound, int maxStepsPerPresent, const std::string& notice) {
  World& world = session.world;
  PausableClock clock(PausableClock::wallNowUs(), host.nowUs());
  world.setClock(&clock);
  GameFrame frame(session, sound);
  frame.showNotice(notice);
  PausableLoop(host, canvas, frame, &clock, logs, maxStepsPerPresent).run();
  world.shutdown();
  world.setClock(nullptr);
}

void replayInLoop(Session& session, ReplayPlayer& player, LoopHost& host, RasterCanvas& canvas,
                  const LoopLogs& logs, SoundOutput* sound, int maxStepsPerPresent) {
  if (player.finished()) return;
  GameFrame frame(session, player, sound);
  PausableLoop(host, canvas, frame, nullptr, logs, maxStepsPerPresent).run();
}
