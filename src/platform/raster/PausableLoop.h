#pragma once

#include <cstdint>
#include <functional>

#include "timing/FixedStep.h"

class FrameLog;
class PausableClock;
class RasterCanvas;
class World;

// What the window's events since the last look ask of the loop.
struct LoopRequests {
  bool close = false;        // the close box, or Escape where it ends the program
  bool pause = false;        // pause or resume
  bool toggleSound = false;  // M: sound off or on again (the host carries it out)
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
  // After each update of a game or a replay: e.g. its sound cues heard, a notice drawn.
  virtual void afterUpdate(const World&, RasterCanvas&) {}
};

// What one run plays: a game, or a recorded game shown back.
struct LoopGame {
  std::function<void()> update;        // one game update, drawn into the canvas
  std::function<bool()> over;          // the program ends after this update
  std::function<bool()> fightRunning;  // empty: never pauses (a replay)
  PausableClock* clock = nullptr;      // the game's clock, stopped while paused
};

struct LoopLogs {
  FrameLog* updates = nullptr;   // one line per game update
  FrameLog* presents = nullptr;  // one line per present
};

// The fixed step around the game: the updates due on the steady clock (each after a look at the
// events), then one present of the latest picture. While paused no update runs, the game's clock
// stands still and the last picture stays, dimmed, with the pause screen over it; on resuming, the
// paused stretch is not caught up.
class PausableLoop {
 public:
  PausableLoop(LoopHost& host, RasterCanvas& canvas, const LoopGame& game, const LoopLogs& logs,
               int maxStepsPerPresent = FixedStep::kMaxStepsPerPresent);
  void run();

 private:
  void runUpdate();
  void present();
  void pause();
  void resume();
  void whilePaused();

  LoopHost& host_;
  RasterCanvas& canvas_;
  const LoopGame& game_;
  const LoopLogs& logs_;
  FixedStep step_;
  bool paused_ = false;
  bool ended_ = false;
};
