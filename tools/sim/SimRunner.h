#pragma once

#include <cstdint>
#include <fstream>
#include <optional>
#include <string>

#include "Autopilot.h"
#include "InputTimeline.h"
#include "RasterCanvas.h"
#include "SimOptions.h"
#include "WavWriter.h"
#include "game/World.h"
#include "graphics/DrawList.h"
#include "replay/ReplayPlayer.h"
#include "sound/Mixer.h"
#include "sound/SoundBank.h"
#include "timing/Clock.h"

// Runs the game headless, frame by frame, as the window would: a virtual clock, scripted controls,
// a RasterCanvas of the window's client size, highscores loaded at start and saved at the end.
class SimRunner {
 public:
  SimRunner(const SimOptions& options, InputTimeline timeline);
  // Plays a recorded game back, as fast as it goes, checking its checkpoints.
  SimRunner(const SimOptions& options, ReplayFile replay);

  // Runs up to the requested number of frames, stopping early when the title's "Quit" closes the
  // window (or, when asked, when the level is won or the game lost). Returns false with a message
  // when an output cannot be written.
  bool run(std::string& error);

  const World& world() const { return world_; }
  const RasterCanvas& canvas() const { return canvas_; }
  std::int64_t framesRun() const { return framesRun_; }
  bool running() const { return !world_.windowDestroyed(); }
  // Playing back: every frame's drawing folded into one value, so that two playbacks that drew the
  // same pictures, frame for frame, give the same value.
  std::uint64_t pictureDigest() const { return pictureDigest_; }
  // Playing back: the first checkpoint that did not match.
  std::optional<Desync> desync() const { return player_ ? player_->desync() : std::nullopt; }

 private:
  void runFrame(std::int64_t frame);
  bool levelEnded() const;
  bool writeFramePng(std::int64_t frame, std::string& error) const;
  bool openTrace(std::string& error);
  void traceFrame();
  bool closeTrace(std::string& error);
  void logMemory();
  void profiledFrame();
  void recordControls(std::int64_t frame, const std::set<Key>& held);
  bool openSound(std::string& error);
  void soundFrame();
  bool closeSound(std::string& error);

  SimOptions options_;
  InputTimeline timeline_;
  std::optional<Autopilot> autopilot_;
  std::optional<ReplayPlayer> player_;
  VirtualClock clock_;
  ScriptedControls controls_;
  World world_;
  RasterCanvas canvas_;
  std::int64_t framesRun_ = 0;
  std::ofstream trace_;
  std::ofstream memoryLog_;
  std::ofstream profile_;
  std::ofstream recordedInput_;
  std::optional<std::set<Key>> lastRecorded_;
  DrawList drawList_;
  std::unique_ptr<SoundBank> soundBank_;
  std::optional<Mixer> mixer_;
  WavWriter wav_;
  std::ofstream cueLog_;
  std::uint64_t pictureDigest_ = 0xCBF29CE484222325ULL;  // FNV-1a's starting value
};
