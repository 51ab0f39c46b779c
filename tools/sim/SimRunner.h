#pragma once

#include <cstdint>
#include <fstream>
#include <string>

#include "InputTimeline.h"
#include "RasterCanvas.h"
#include "SimOptions.h"
#include "game/Clock.h"
#include "game/World.h"
#include "replay/ReplayPlayer.h"

// Runs the game headless, frame by frame, as the window would: a virtual clock, scripted controls,
// a RasterCanvas of the window's client size, highscores loaded at start and saved at the end.
class SimRunner {
 public:
  SimRunner(const SimOptions& options, InputTimeline timeline);
  // Plays a recorded game back, as fast as it goes, checking its checkpoints.
  SimRunner(const SimOptions& options, ReplayFile replay);

  // Runs up to the requested number of frames, stopping early when the title's "Quit" closes the
  // window. Returns false with a message when an output cannot be written.
  bool run(std::string& error);

  const World& world() const { return world_; }
  const RasterCanvas& canvas() const { return canvas_; }
  std::int64_t framesRun() const { return framesRun_; }
  bool running() const { return !world_.windowDestroyed(); }
  // Playing back: the first checkpoint that did not match.
  std::optional<Desync> desync() const { return player_ ? player_->desync() : std::nullopt; }

 private:
  void runFrame(std::int64_t frame);
  bool writeFramePng(std::int64_t frame, std::string& error) const;
  bool openTrace(std::string& error);
  void traceFrame();
  bool closeTrace(std::string& error);

  SimOptions options_;
  InputTimeline timeline_;
  std::optional<ReplayPlayer> player_;
  VirtualClock clock_;
  ScriptedControls controls_;
  World world_;
  RasterCanvas canvas_;
  std::int64_t framesRun_ = 0;
  std::ofstream trace_;
};
