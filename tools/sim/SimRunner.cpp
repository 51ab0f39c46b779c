#include "SimRunner.h"

#include "PngWriter.h"
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
  world_.start();
  if (options.startLevel > 0) startLevel(options.startLevel);
}

// As if chosen from the title: level 1 is "New Game", level 5 "Continue", and the levels between
// are a new game moved on level by level without playing.
void SimRunner::startLevel(int level) {
  if (level >= 5) {
    world_.UB.contgame();
    return;
  }
  world_.UB.newgame();
  while (world_.UB.get_nowlevel() < level) world_.UB.nextlevel();
}

void SimRunner::runFrame(std::int64_t frame) {
  clock_.setFrame(frame);
  controls_.hold(timeline_.heldAt(frame));
  const bool unfocused =
      options_.unfocusedFrom && frame >= *options_.unfocusedFrom && frame <= options_.unfocusedTo;
  world_.windowfront = !unfocused;
  canvas_.clear();
  update(world_, canvas_);
}

bool SimRunner::writeFramePng(std::int64_t frame, std::string& error) const {
  char name[32];
  std::snprintf(name, sizeof name, "frame-%06lld.png", static_cast<long long>(frame));
  return writePng(canvas_, options_.pngDir / name, error);
}

bool SimRunner::run(std::string& error) {
  for (std::int64_t frame = 0; frame < options_.frames; ++frame) {
    runFrame(frame);
    framesRun_ = frame + 1;
    if (options_.pngEvery > 0 && framesRun_ % options_.pngEvery == 0 &&
        !writeFramePng(frame, error)) {
      return false;
    }
    if (world_.windowDestroyed()) break;
  }
  world_.shutdown();
  if (!options_.png.empty() && !writePng(canvas_, options_.png, error)) return false;
  return true;
}
