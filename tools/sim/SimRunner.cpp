#include "SimRunner.h"

#include <algorithm>
#include <chrono>

#include "PngWriter.h"
#include "ResidentMemory.h"
#include "StateJson.h"
#include "game/GameScene.h"
#include "game/PlayField.h"
#include "shell/Session.h"
#include "sound/AudioFormat.h"

SimRunner::SimRunner(const SimOptions& options, InputTimeline timeline)
    : options_(options),
      timeline_(std::move(timeline)),
      clock_(options.clockStart),
      canvas_(kFieldWidth, kFieldHeight) {
  world_.setClock(&clock_);
  world_.input.setSource(&controls_);
  world_.invincible = options.invincible;
  world_.cues.setEnabled(options.sound);
  if (options.autopilot) autopilot_.emplace(options.seed, options.noise);
  world_.recordReplays = options.recordReplays;
  world_.start();
  if (options.startLevel > 0) world_.UB->startAt(options.startLevel);
}

SimRunner::SimRunner(const SimOptions& options, ReplayFile replay)
    : options_(options), canvas_(std::max(replay.width, 1), std::max(replay.height, 1)) {
  options_.frames = replay.frames;
  player_.emplace(std::move(replay));
  player_->start(world_);
  world_.cues.setEnabled(options.sound);
}

void SimRunner::runFrame(std::int64_t frame) {
  if (player_) {
    player_->beforeFrame(world_);
    drawList_.clear();
    update(session_, drawList_);
    pictureDigest_ = drawList_.fingerprint(pictureDigest_);
    canvas_.clear();
    drawList_.replay(canvas_);
    if (options_.nudgeScoreAfter == frame) ++world_.score;
    player_->afterFrame(world_);
    return;
  }
  clock_.setFrame(frame);
  const std::set<Key>& held = autopilot_ ? autopilot_->decide(world_) : timeline_.heldAt(frame);
  controls_.hold(held);
  recordControls(frame, held);
  const bool unfocused =
      options_.unfocusedFrom && frame >= *options_.unfocusedFrom && frame <= options_.unfocusedTo;
  world_.windowfront = !unfocused;
  if (profile_.is_open()) {
    profiledFrame();
    return;
  }
  canvas_.clear();
  update(session_, canvas_);
  if (options_.nudgeScoreAfter == frame) ++world_.score;
}

// The game's update with its drawing calls kept aside, then the drawing of them, timed apart. The
// picture is the same as when the game draws straight into the canvas.
void SimRunner::profiledFrame() {
  using Clock = std::chrono::steady_clock;
  drawList_.clear();
  const auto start = Clock::now();
  update(session_, drawList_);
  const auto updated = Clock::now();
  canvas_.clear();
  drawList_.replay(canvas_);
  const auto drawn = Clock::now();
  const auto ns = [](Clock::duration d) {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(d).count();
  };
  profile_ << ns(updated - start) << ' ' << ns(drawn - updated) << '\n';
}

bool SimRunner::levelEnded() const {
  const GameScreen screen = currentScreen(world_);
  return screen == GameScreen::levelcleared || screen == GameScreen::gamecleared ||
         screen == GameScreen::gameover;
}

bool SimRunner::writeFramePng(std::int64_t frame, std::string& error) const {
  char name[32];
  std::snprintf(name, sizeof name, "frame-%06lld.png", static_cast<long long>(frame));
  return writePng(canvas_, options_.pngDir / name, error);
}

// The trace streams to its file line by line, so a long run holds no more than one frame of it.
bool SimRunner::openTrace(std::string& error) {
  if (options_.trace.empty()) return true;
  trace_.open(options_.trace, std::ios::binary);
  if (!trace_) error = "cannot write trace file " + options_.trace.string();
  return static_cast<bool>(trace_);
}

void SimRunner::traceFrame() {
  if (trace_.is_open()) trace_ << traceJson(world_, framesRun_, running()).dump() << '\n';
}

bool SimRunner::closeTrace(std::string& error) {
  if (!trace_.is_open()) return true;
  trace_.close();
  if (!trace_) error = "cannot write trace file " + options_.trace.string();
  return static_cast<bool>(trace_);
}

// Writes a line whenever the held controls change, so the run can be played again with --input.
void SimRunner::recordControls(std::int64_t frame, const std::set<Key>& held) {
  if (!recordedInput_.is_open() || lastRecorded_ == held) return;
  recordedInput_ << frame << ' ' << InputTimeline::formatControls(held) << '\n';
  lastRecorded_ = held;
}

bool SimRunner::openSound(std::string& error) {
  if (!options_.cueLog.empty()) {
    cueLog_.open(options_.cueLog);
    if (!cueLog_) {
      error = "cannot write cue log " + options_.cueLog.string();
      return false;
    }
  }
  if (options_.audio.empty()) return true;
  soundBank_ = std::make_unique<SoundBank>();
  mixer_.emplace(*soundBank_);
  return wav_.open(options_.audio, kSampleRate, error);
}

// The frame's cues start playing, and its 10 ms of sound go to the file.
void SimRunner::soundFrame() {
  const FrameCues& cues = world_.cues;
  if (cueLog_.is_open() && !cues.empty()) {
    cueLog_ << framesRun_;
    for (SoundCue cue : cues.list()) cueLog_ << ' ' << cueName(cue);
    cueLog_ << '\n';
  }
  if (!mixer_) return;
  mixer_->play(cues);
  std::int16_t samples[kSamplesPerFrame];
  mixer_->render(samples, kSamplesPerFrame);
  wav_.write(samples, kSamplesPerFrame);
}

bool SimRunner::closeSound(std::string& error) {
  if (cueLog_.is_open()) {
    cueLog_.close();
    if (!cueLog_) {
      error = "cannot write cue log " + options_.cueLog.string();
      return false;
    }
  }
  return wav_.close(error);
}

// For soak runs: whether the sprites in play stay bounded and the memory flat.
void SimRunner::logMemory() {
  if (!memoryLog_.is_open() || framesRun_ % 1000 != 0) return;
  const int sprites = world_.esl.get_count() + world_.psl.get_count() + world_.osl.get_count();
  memoryLog_ << framesRun_ << ' ' << sprites << ' ' << residentKilobytes() << '\n' << std::flush;
}

bool SimRunner::run(std::string& error) {
  if (!openTrace(error) || !openSound(error)) return false;
  if (!options_.recordInput.empty()) {
    recordedInput_.open(options_.recordInput);
    if (!recordedInput_) {
      error = "cannot write input file " + options_.recordInput.string();
      return false;
    }
  }
  if (!options_.profile.empty()) {
    profile_.open(options_.profile);
    if (!profile_) {
      error = "cannot write profile " + options_.profile.string();
      return false;
    }
  }
  if (!options_.memoryLog.empty()) {
    memoryLog_.open(options_.memoryLog);
    if (!memoryLog_) {
      error = "cannot write memory log " + options_.memoryLog.string();
      return false;
    }
  }
  for (std::int64_t frame = 0; frame < options_.frames; ++frame) {
    runFrame(frame);
    framesRun_ = frame + 1;
    traceFrame();
    soundFrame();
    logMemory();
    if (options_.pngEvery > 0 && framesRun_ % options_.pngEvery == 0 &&
        !writeFramePng(frame, error)) {
      return false;
    }
    if (world_.windowDestroyed() || (options_.untilEnd && levelEnded())) break;
  }
  world_.shutdown();
  if (!closeTrace(error) || !closeSound(error)) return false;
  if (!options_.png.empty() && !writePng(canvas_, options_.png, error)) return false;
  return true;
}
