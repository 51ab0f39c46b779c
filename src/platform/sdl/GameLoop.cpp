#include "GameLoop.h"

#include <SDL.h>

#include <cstdint>
#include <cstdio>
#include <functional>

#include "FrameLog.h"
#include "GameWindow.h"
#include "LoopEvents.h"
#include "PauseScreen.h"
#include "RasterCanvas.h"
#include "ReplayMark.h"
#include "SdlControlSource.h"
#include "SdlSound.h"
#include "SleepUntil.h"
#include "game/GameScene.h"
#include "game/World.h"
#include "graphics/Canvas.h"
#include "loop/FixedStep.h"
#include "loop/PausableClock.h"
#include "replay/ReplayPlayer.h"
#include "shell/UpdateBridge.h"

namespace {

// How often the paused picture is shown again (after a resize, a move to fullscreen) while no
// event arrives.
constexpr int kPausedShowMs = 50;

// What playing and showing a replay do differently.
struct LoopBody {
  std::function<void()> update;        // one game update, drawn into the canvas
  std::function<bool()> over;          // the program ends after this update
  std::function<bool()> fightRunning;  // empty: never pauses (a replay)
  SdlControlSource* controls = nullptr;
  PausableClock* clock = nullptr;  // the game's clock, stopped while paused
  SdlSound* sound = nullptr;
  bool escapeCloses = false;
};

// The fixed step around the game: the updates due on the steady clock, each after a look at the
// events, then one present of the latest picture.
class FrameLoop {
 public:
  FrameLoop(GameWindow& window, RasterCanvas& canvas, const LoopOptions& options,
            const LoopBody& body)
      : window_(window),
        canvas_(canvas),
        options_(options),
        body_(body),
        step_(options.vsync ? FixedStep::kMaxStepsPerPresent : 1) {}

  void run() {
    while (!ended_) {
      if (paused_) {
        whilePaused();
        continue;
      }
      const int due = step_.stepsDue(steadyNowUs());
      if (due == 0) {
        sleepUntil(step_.nextDueUs());
        continue;
      }
      for (int i = 0; i < due && !ended_ && !paused_; ++i) runUpdate();
      present();  // also the last picture of a replay, or the paused one
    }
  }

 private:
  void runUpdate() {
    const LoopRequests requests = handleEvents(window_, body_.controls, body_.escapeCloses);
    toggleSound(requests);
    if (requests.close) {
      ended_ = true;
      return;
    }
    if (requests.pause && body_.fightRunning && body_.fightRunning()) {
      pause();
      return;
    }
    const std::int64_t started = steadyNowUs();
    if (body_.clock) body_.clock->advanceTo(started);
    body_.update();
    if (options_.updateLog) options_.updateLog->record(started, steadyNowUs());
    if (body_.over()) ended_ = true;
  }

  void toggleSound(const LoopRequests& requests) {
    if (requests.toggleSound && body_.sound) body_.sound->toggle();
  }

  void present() {
    const std::int64_t started = steadyNowUs();
    window_.present(canvas_.pixels());
    if (options_.presentLog) options_.presentLog->record(started, steadyNowUs());
  }

  void pause() {
    paused_ = true;
    if (body_.clock) body_.clock->pause(steadyNowUs());
    drawPauseScreen(canvas_);
  }

  void resume() {
    paused_ = false;
    if (body_.clock) body_.clock->resume(steadyNowUs());
    step_.restart();  // the paused stretch is not caught up
  }

  void whilePaused() {
    SDL_WaitEventTimeout(nullptr, kPausedShowMs);
    const LoopRequests requests = handleEvents(window_, body_.controls, body_.escapeCloses);
    toggleSound(requests);
    if (requests.close) {
      ended_ = true;
    } else if (requests.pause) {
      resume();
    } else {
      present();
    }
  }

  GameWindow& window_;
  RasterCanvas& canvas_;
  const LoopOptions& options_;
  const LoopBody& body_;
  FixedStep step_;
  bool paused_ = false;
  bool ended_ = false;
};

}  // namespace

void runFrames(World& world, GameWindow& window, RasterCanvas& canvas, const LoopOptions& options,
               SdlControlSource* controls, SdlSound* sound) {
  PausableClock clock(PausableClock::wallNowUs(), steadyNowUs());
  world.setClock(&clock);
  LoopBody body;
  body.update = [&] {
    world.windowfront = window.hasFocus();
    canvas.clear();  // every frame is drawn from a black field
    update(world, canvas);
    if (sound) sound->frame(world, canvas);
  };
  body.over = [&] { return world.windowDestroyed(); };
  body.fightRunning = [&] { return currentScreen(world) == GameScreen::fight; };
  body.controls = controls;
  body.clock = &clock;
  body.sound = sound;
  FrameLoop(window, canvas, options, body).run();
  world.shutdown();
  world.setClock(nullptr);
}

bool runReplay(World& world, GameWindow& window, RasterCanvas& canvas, ReplayPlayer& player,
               const LoopOptions& options, SdlSound* sound) {
  LoopBody body;
  body.update = [&] {
    player.beforeFrame(world);
    canvas.clear();
    update(world, canvas);
    player.afterFrame(world);
    drawReplayMark(canvas);
    if (sound) sound->frame(world, canvas);
  };
  body.sound = sound;
  body.over = [&] { return player.finished(); };
  body.escapeCloses = true;
  if (!player.finished()) FrameLoop(window, canvas, options, body).run();
  if (!player.desync()) return true;
  std::fprintf(stderr, "kelvaron: the replay played back differently: %s\n",
               player.desync()->describe().c_str());
  return false;
}
