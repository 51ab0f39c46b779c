#pragma once

#include <cstdint>

#include "FrameLog.h"
#include "timing/FixedStep.h"

class PausableClock;
class RasterCanvas;

// What the window's events since the last look ask of the loop.
struct LoopRequests {
  bool close = false;        // the close box, or Escape where it ends the program
  bool pause = false;        // pause or resume
  bool toggleSound = false;  // M: sound off or on again
};

// What a program's window supplies to the loop: its steady clock, its waits, its events and its
// present. Everything else about the beat is the same in every program.
class LoopHost {
 public:
  virtual ~LoopHost() = default;
  virtual std::int64_t nowUs() = 0;                  // the steady clock, in microseconds
  virtual void waitUntilUs(std::int64_t dueUs) = 0;  // until the next update is due
  virtual void waitForEvents(int milliseconds) = 0;  // paused: until an event or the time is up
  virtual LoopRequests handleEvents() = 0;           // the events since the last look
  virtual bool hasFocus() = 0;                       // the window is in front
  virtual void present(const RasterCanvas& canvas) = 0;
};

// What one run of the loop plays, an update at a time: a game, or a recorded game shown back.
class LoopGame {
 public:
  virtual ~LoopGame() = default;
  // One update drawn into the canvas; `inFront`: the window has the focus.
  virtual void update(RasterCanvas& canvas, bool inFront) = 0;
  // The program ends after this update.
  virtual bool over() const = 0;
  // A pause would take effect now: a fight is running.
  virtual bool pausable() const = 0;
  // M: sound off or on again.
  virtual void toggleSound() = 0;
  // The paused picture, over the last one.
  virtual void drawPaused(RasterCanvas& canvas) = 0;
};

// The fixed step around the game: the updates due on the steady clock (each after a look at the
// events), then one present of the latest picture. While paused no update runs, the game's clock
// (when given) stands still and the last picture stays, dimmed, with the pause screen over it; on
// resuming, the paused stretch is not caught up.
class PausableLoop {
 public:
  PausableLoop(LoopHost& host, RasterCanvas& canvas, LoopGame& game, PausableClock* clock,
               const LoopLogs& logs, int maxStepsPerPresent = FixedStep::kMaxStepsPerPresent);
  void run();

 private:
  LoopRequests lookAtEvents();
  void runUpdate();
  void present();
  void pause();
  void resume();
  void whilePaused();

  LoopHost& host_;
  RasterCanvas& canvas_;
  LoopGame& game_;
  PausableClock* clock_;
  LoopLogs logs_;
  FixedStep step_;
  bool paused_ = false;
  bool ended_ = false;
};
