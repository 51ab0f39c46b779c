#include "SimRunner.h"

#include <algorithm>

#include "PngWriter.h"
#include "StateJson.h"
#include "shell/UpdateBridge.h"

namespace {
constexpr int kClientWidth = 794;
constexpr int kClientHeight = 571;
}  // namespace

SimRunner::SimRunner(const SimOptions& options, InputTimeline timeline)
    : options_(options),
      timeline_(std::move(timeline)),
      clock_(options.clockStart),
      canvas_(kClientWidth, kClientHeight) {
  world_.rc = {0, 0, kClientWidth, kClientHeight};
  world_.setClock(&clock_);
  world_.input.setSource(&controls_);
  world_.invincible = options.invincible;
  world_.recordReplays = options.recordReplays;
  world_.start();
  if (options.startLevel > 0) world_.UB.startAt(options.startLevel);
}

SimRunner::SimRunner(const SimOptions& options, ReplayFile replay)
    : options_(options), canvas_(std::max(replay.width, 1), std::max(replay.height, 1)) {
  options_.frames = replay.frames;
  player_.emplace(std::move(replay));
  player_->start(world_);
}

void SimRunner::runFrame(std::int64_t frame) {
  if (player_) {
    player_->beforeFrame(world_);
    canvas_.clear();
    update(world_, canvas_);
    if (options_.nudgeScoreAfter == frame) ++world_.score;
    player_->afterFrame(world_);
    return;
  }
  clock_.setFrame(frame);
  controls_.hold(timeline_.heldAt(frame));
  const bool unfocused =
      options_.unfocusedFrom && frame >= *options_.unfocusedFrom && frame <= options_.unfocusedTo;
  world_.windowfront = !unfocused;
  canvas_.clear();
  update(world_, canvas_);
  if (options_.nudgeScoreAfter == frame) ++world_.score;
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

bool SimRunner::run(std::string& error) {
  if (!openTrace(error)) return false;
  for (std::int64_t frame = 0; frame < options_.frames; ++frame) {
    runFrame(frame);
    framesRun_ = frame + 1;
    traceFrame();
    if (options_.pngEvery > 0 && framesRun_ % options_.pngEvery == 0 &&
        !writeFramePng(frame, error)) {
      return false;
    }
    if (world_.windowDestroyed()) break;
  }
  world_.shutdown();
  if (!closeTrace(error)) return false;
  if (!options_.png.empty() && !writePng(canvas_, options_.png, error)) return false;
  return true;
}
