#include "replay/ReplayPlayer.h"

#include "game/World.h"
#include "replay/WorldCheckpoint.h"

std::string Desync::describe() const {
  std::string text = final ? "the final state after frame " + std::to_string(frame) + " differs in "
                           : "desync at frame " + std::to_string(frame) + ": ";
  for (std::size_t i = 0; i < fields.size(); ++i) text += (i ? ", " : "") + fields[i];
  return text;
}

bool ReplayPlayer::Controls::keyHeld(Key key) const {
  switch (key) {
    case Key::Up: return held_ & control::kUp;
    case Key::Down: return held_ & control::kDown;
    case Key::Left: return held_ & control::kLeft;
    case Key::Right: return held_ & control::kRight;
    case Key::Z: return held_ & control::kButton1;
    case Key::X: return held_ & control::kButton2;
    case Key::Shift: return held_ & control::kButton3;
    case Key::Space: return held_ & control::kButton4;
  }
  return false;
}

std::int64_t ReplayPlayer::RecordedClock::now() const {
  if (reads_ == 0) seconds_ = replay_.clockstart;
  if (next_ < replay_.clock.size() && replay_.clock[next_].read == reads_) {
    seconds_ = replay_.clock[next_++].seconds;
  }
  ++reads_;
  return seconds_;
}

ReplayPlayer::ReplayPlayer(ReplayFile replay) : replay_(std::move(replay)) {}

void ReplayPlayer::start(World& world) {
  world.recordReplays = false;
  world.highscoreFile.clear();
  world.setClock(&clock_);
  world.input.setSource(&controls_);
  world.rc = {0, 0, replay_.width, replay_.height};
  world.keyXpressed = replay_.keyXpressed;
  world.invincible = replay_.invincible;
  world.boxoffsety = replay_.boxoffsety;
  world.random.restore(replay_.random);
  world.lifecount = -1;
  World::makeCurrent(world);
  world.UB->startAt(replay_.startlevel);
}

// The recorded controls are those the game read with the window in front, so the window counts as
// in front throughout.
void ReplayPlayer::beforeFrame(World& world) {
  while (playfield_ < replay_.playfield.size() && replay_.playfield[playfield_].frame <= played_) {
    const PlayFieldChange& change = replay_.playfield[playfield_++];
    world.rc = {0, 0, change.width, change.height};
  }
  while (run_ < replay_.controls.size() && usedOfRun_ >= replay_.controls[run_].frames) {
    ++run_;
    usedOfRun_ = 0;
  }
  controls_.hold(run_ < replay_.controls.size() ? replay_.controls[run_].controls : 0);
  ++usedOfRun_;
  world.windowfront = true;
}

void ReplayPlayer::afterFrame(const World& world) {
  ++played_;
  if (played_ % ReplayFile::kCheckpointEvery == 0) {
    const std::size_t index = played_ / ReplayFile::kCheckpointEvery - 1;
    if (index < replay_.checkpoints.size()) check(replay_.checkpoints[index], world, false);
  }
  if (played_ == replay_.frames) check(replay_.final, world, true);
}

void ReplayPlayer::check(const Checkpoint& expected, const World& world, bool final) {
  if (desync_) return;
  std::vector<std::string> fields = differingFields(expected, checkpointOf(world));
  if (!fields.empty()) desync_ = Desync{played_, final, std::move(fields)};
}
