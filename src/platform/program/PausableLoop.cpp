#include "PausableLoop.h"

#include "timing/PausableClock.h"

namespace {
// How often the paused picture is shown again (after a resize, a move to fullscreen) while no
// event arrives.
constexpr int kPausedShowMs = 50;
}  // namespace

PausableLoop::PausableLoop(LoopHost& host, RasterCanvas& canvas, LoopGame& game,
                           PausableClock* clock, const LoopLogs& logs, int maxStepsPerPresent)
    : host_(host),
      canvas_(canvas),
      game_(game),
      clock_(clock),
      logs_(logs),
      step_(maxStepsPerPresent) {}

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

// M is carried out at once, paused or not; its notice shows with the next update.
LoopRequests PausableLoop::lookAtEvents() {
  const LoopRequests requests = host_.handleEvents();
  if (requests.toggleSound) game_.toggleSound();
  return requests;
}

void PausableLoop::runUpdate() {
  const LoopRequests requests = lookAtEvents();
  if (requests.close) {
    ended_ = true;
    return;
  }
  if (requests.pause && game_.pausable()) {
    pause();
    return;
  }
  const std::int64_t started = host_.nowUs();
  if (clock_) clock_->advanceTo(started);
  game_.update(canvas_, host_.hasFocus());
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
  if (clock_) clock_->pause(host_.nowUs());
  game_.drawPaused(canvas_);
}

void PausableLoop::resume() {
  paused_ = false;
  if (clock_) clock_->resume(host_.nowUs());
  step_.restart();  // the paused stretch is not caught up
}

void PausableLoop::whilePaused() {
  host_.waitForEvents(kPausedShowMs);
  const LoopRequests requests = lookAtEvents();
  if (requests.close) {
    ended_ = true;
  } else if (requests.pause) {
    resume();
  } else {
    present();
  }
}
