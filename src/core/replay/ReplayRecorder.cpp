#include "replay/ReplayRecorder.h"

#include <cstdio>
#include <exception>

#include "game/World.h"
#include "replay/ReplayStore.h"
#include "replay/WorldCheckpoint.h"

void ReplayRecorder::gameBegins(const World& world, int level) {
  recording_ = world.recordReplays;
  if (!recording_) return;
  replay_ = ReplayFile{};
  replay_.startlevel = level;
  replay_.keyXpressed = world.keyXpressed;
  replay_.invincible = world.invincible;
  replay_.boxoffsety = world.boxoffsety;
  replay_.width = lastWidth_ = world.rc.right;
  replay_.height = lastHeight_ = world.rc.bottom;
  replay_.random = world.random.state();
  skipFrame_ = insideFrame_;
  ending_ = false;
  reads_ = 0;
}

// Levels set up before the first frame are where the game really starts (the runner's
// --start-level moves a new game on without playing).
void ReplayRecorder::levelSetUp(int level) {
  if (recording_ && replay_.frames == 0) replay_.startlevel = level;
}

void ReplayRecorder::clockRead(std::int64_t seconds) {
  if (!recording_) return;
  if (reads_ == 0) {
    replay_.clockstart = seconds;
  } else if (seconds != lastSeconds_) {
    try {
      replay_.clock.push_back({reads_, seconds});
    } catch (const std::exception&) {
      stop("out of memory");
      return;
    }
  }
  lastSeconds_ = seconds;
  ++reads_;
}

void ReplayRecorder::frameBegins(const World& world) {
  insideFrame_ = true;
  world.input.forgetAnswers();
  if (!recording_ || skipFrame_) return;
  if (world.rc.right == lastWidth_ && world.rc.bottom == lastHeight_) return;
  lastWidth_ = world.rc.right;
  lastHeight_ = world.rc.bottom;
  try {
    replay_.playfield.push_back({replay_.frames, lastWidth_, lastHeight_});
  } catch (const std::exception&) {
    stop("out of memory");
  }
}

void ReplayRecorder::frameEnds(World& world) {
  insideFrame_ = false;
  if (!recording_) return;
  if (skipFrame_) {
    skipFrame_ = false;
    return;
  }
  try {
    recordFrame(world);
  } catch (const std::exception&) {
    stop("out of memory");
    return;
  }
  if (ending_) finish(world);
}

// Controls count only while the window is in front; the scenes do not even ask otherwise.
void ReplayRecorder::recordFrame(World& world) {
  const std::uint8_t controls = world.windowfront ? world.input.answers() : 0;
  if (!replay_.controls.empty() && replay_.controls.back().controls == controls) {
    ++replay_.controls.back().frames;
  } else {
    replay_.controls.push_back({controls, 1});
  }
  ++replay_.frames;
  if (replay_.frames % ReplayFile::kCheckpointEvery == 0) {
    replay_.checkpoints.push_back(checkpointOf(world));
  }
}

void ReplayRecorder::highscoreRecorded(bool cleared, bool ranked) {
  if (!recording_) return;
  replay_.end = cleared ? ReplayEnd::gamecleared : ReplayEnd::gameover;
  replay_.ranked = ranked;
}

void ReplayRecorder::gameEnds() {
  if (recording_) ending_ = true;
}

void ReplayRecorder::windowCloses(World& world) {
  if (!recording_) return;
  replay_.end = ReplayEnd::windowclosed;
  finish(world);
}

void ReplayRecorder::finish(World& world) {
  recording_ = false;
  if (replay_.frames == 0) return;  // closed before a single frame of play: nothing to show
  std::string error;
  try {
    replay_.final = checkpointOf(world);
    if (saveReplay(replayFolder(world.highscoreFile), replay_, lastSeconds_, error)) return;
  } catch (const std::exception& e) {
    error = e.what();
  }
  std::fprintf(stderr, "kelvaron: replay not saved (%s)\n", error.c_str());
}

void ReplayRecorder::stop(const char* why) {
  recording_ = false;
  replay_ = ReplayFile{};
  std::fprintf(stderr, "kelvaron: replay not saved (%s)\n", why);
}
