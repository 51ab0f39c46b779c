#include "GameLoop.h"

#include <SDL.h>

#include <cstdint>
#include <cstdio>

#include "GameWindow.h"
#include "LoopEvents.h"
#include "PausableLoop.h"
#include "PlayLoop.h"
#include "RasterCanvas.h"
#include "ReplayMark.h"
#include "SdlControlSource.h"
#include "SdlSound.h"
#include "SleepUntil.h"
#include "game/GameScene.h"
#include "game/World.h"
#include "replay/ReplayPlayer.h"
#include "shell/Session.h"

namespace {

// The SDL window as the loop's host: SDL's events, the steady sleep, the texture present.
class SdlLoopHost final : public LoopHost {
 public:
  SdlLoopHost(GameWindow& window, SdlControlSource* controls, SdlSound* sound, bool escapeCloses)
      : window_(window), controls_(controls), sound_(sound), escapeCloses_(escapeCloses) {}

  std::int64_t nowUs() override { return steadyNowUs(); }
  void waitUntilUs(std::int64_t dueUs) override { sleepUntil(dueUs); }
  void waitForEvents(int milliseconds) override { SDL_WaitEventTimeout(nullptr, milliseconds); }
  LoopRequests handleEvents() override {
    const LoopRequests requests = ::handleEvents(window_, controls_, escapeCloses_);
    if (requests.toggleSound && sound_) sound_->toggle();
    return requests;
  }
  bool hasFocus() override { return window_.hasFocus(); }
  void present(const RasterCanvas& canvas) override { window_.present(canvas.pixels()); }
  void afterUpdate(const World& world, RasterCanvas& canvas) override {
    if (sound_) sound_->frame(world, canvas);
  }

 private:
  GameWindow& window_;
  SdlControlSource* controls_;
  SdlSound* sound_;
  bool escapeCloses_;
};

// With vsync every present runs the updates due since the last; without, one update per present.
int maxStepsPerPresent(const LoopOptions& options) {
  return options.vsync ? FixedStep::kMaxStepsPerPresent : 1;
}

}  // namespace

void runFrames(Session& session, GameWindow& window, RasterCanvas& canvas,
               const LoopOptions& options, SdlControlSource* controls, SdlSound* sound) {
  SdlLoopHost host(window, controls, sound, false);
  playInLoop(session, host, canvas, options.logs, maxStepsPerPresent(options));
}

bool runReplay(Session& session, GameWindow& window, RasterCanvas& canvas, ReplayPlayer& player,
               const LoopOptions& options, SdlSound* sound) {
  SdlLoopHost host(window, nullptr, sound, true);
  World& world = session.world;
  LoopGame game;
  game.update = [&] {
    player.beforeFrame(world);
    canvas.clear();
    update(session, canvas);
    player.afterFrame(world);
    drawReplayMark(canvas);
    host.afterUpdate(world, canvas);
  };
  game.over = [&] { return player.finished(); };
  if (!player.finished()) {
    PausableLoop(host, canvas, game, options.logs, maxStepsPerPresent(options)).run();
  }
  if (!player.desync()) return true;
  std::fprintf(stderr, "kelvaron: the replay played back differently: %s\n",
               player.desync()->describe().c_str());
  return false;
}
