#include "PausableLoop.h"

#include "FrameLog.h"
#include "PauseScreen.h"
#include "timing/PausableClock.h"

namespace {
// How often the paused picture is shown again (after a resize, a move to fullscreen) while no
// event arrives.
constexpr int kPausedShowMs = 50;
}  // namespace

PausableLoop::PausableLoop(LoopHost& host, RasterCanvas& canvas, const LoopGame& game,
                           const LoopLogs& logs, int maxStepsPerPresent)
    : host_(host), canvas_(canvas), game_(game), logs_(logs), step_(maxStepsPerPresent) {}

void PausableLoop::run() {
  while (!ended_) {
    if (paused_) {
      whilePaused();
      continue;
    }
    const int due = step_.stepsDue(host_.nowUs());
    if (due == 0) {
      host_.waitUntilUs(step_.nextDueUs());
      continue;
    }
    for (int i = 0; i < due && !ended_ && !paused_; ++i) runUpdate();
    present();  // also the last picture of a replay, or the paused one
  }
}

void PausableLoop::runUpdate() {
  const LoopRequests requests = host_.handleEvents();
  if (requests.close) {
    ended_ = true;
    return;
  }
  if (requests.pause && game_.fightRunning && game_.fightRunning()) {
    pause();
    return;
  }
  const std::int64_t started = host_.nowUs();
  if (game_.clock) game_.clock->advanceTo(started);
  game_.update();
  if (logs_.updates) logs_.updates->record(started, host_.nowUs());
  if (game_.over()) ended_ = true;
}

void PausableLoop::present() {
  const std::int64_t started = host_.nowUs();
  host_.present(canvas_);
  if (logs_.presents) logs_.presents->record(started, host_.nowUs());
}

void PausableLoop::pause() {
  paused_ = true;
  if (game_.clock) game_.clock->pause(host_.nowUs());
  drawPauseScreen(canvas_);
}

void PausableLoop::resume() {
  paused_ = false;
  if (game_.clock) game_.clock->resume(host_.nowUs());
  step_.restart();  // the paused stretch is not caught up
}

void PausableLoop::whilePaused() {
  host_.waitForEvents(kPausedShowMs);
  const LoopRequests requests = host_.handleEvents();
  if (requests.close) {
    ended_ = true;
  } else if (requests.pause) {
    resume();
  } else {
    present();
  }
}
