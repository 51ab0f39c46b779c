#include "GameLoop.h"

#include <windows.h>

#include <cstdint>

#include "FrameLog.h"
#include "PauseScreen.h"
#include "RasterCanvas.h"
#include "ScaledWindow.h"
#include "SteadyTimer.h"
#include "game/GameScene.h"
#include "game/World.h"
#include "loop/FixedStep.h"
#include "loop/PausableClock.h"
#include "shell/UpdateBridge.h"

namespace {

// How often the paused picture is shown again (after a resize, a move to fullscreen) while no
// message arrives.
constexpr DWORD kPausedShowMs = 50;

class GameLoop {
 public:
  GameLoop(World& world, PausableClock& clock, ScaledWindow& window, RasterCanvas& canvas,
           const LoopLogs& logs)
      : world_(world), clock_(clock), window_(window), canvas_(canvas), logs_(logs) {}

  void run() {
    while (!ended_) {
      if (paused_) {
        whilePaused();
        continue;
      }
      const int due = step_.stepsDue(steadyNowUs());
      if (due == 0) {
        timer_.waitUntil(step_.nextDueUs());
        continue;
      }
      for (int i = 0; i < due && !ended_ && !paused_; ++i) runUpdate();
      present();  // also the paused picture
    }
  }

 private:
  void runUpdate() {
    const WindowRequests requests = window_.handleMessages();
    if (requests.close) {
      ended_ = true;
      return;
    }
    if (requests.pause && currentScreen(world_) == GameScreen::fight) {
      pause();
      return;
    }
    const std::int64_t started = steadyNowUs();
    clock_.advanceTo(started);
    world_.windowfront = window_.hasFocus();
    canvas_.clear();  // every frame is drawn from a black field
    update(world_, canvas_);
    if (logs_.updates) logs_.updates->record(started, steadyNowUs());
    if (world_.windowDestroyed()) ended_ = true;
  }

  void present() {
    const std::int64_t started = steadyNowUs();
    window_.present(canvas_.pixels());
    if (logs_.presents) logs_.presents->record(started, steadyNowUs());
  }

  void pause() {
    paused_ = true;
    clock_.pause(steadyNowUs());
    drawPauseScreen(canvas_);
  }

  void resume() {
    paused_ = false;
    clock_.resume(steadyNowUs());
    step_.restart();  // the paused stretch is not caught up
  }

  void whilePaused() {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, kPausedShowMs, QS_ALLINPUT);
    const WindowRequests requests = window_.handleMessages();
    if (requests.close) {
      ended_ = true;
    } else if (requests.pause) {
      resume();
    } else {
      present();
    }
  }

  World& world_;
  PausableClock& clock_;  // the game's clock, stopped while paused
  ScaledWindow& window_;
  RasterCanvas& canvas_;
  const LoopLogs& logs_;
  FixedStep step_;
  SteadyTimer timer_;
  bool paused_ = false;
  bool ended_ = false;
};

}  // namespace

void runGame(World& world, ScaledWindow& window, RasterCanvas& canvas, const LoopLogs& logs) {
  PausableClock clock(PausableClock::wallNowUs(), steadyNowUs());
  world.setClock(&clock);
  GameLoop(world, clock, window, canvas, logs).run();
  world.shutdown();
  world.setClock(nullptr);
}
