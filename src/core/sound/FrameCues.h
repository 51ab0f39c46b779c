#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "sound/SoundCue.h"

// The sound cues of one frame, reported beside the picture. The game never reads them: they are
// output only, and collecting them draws nothing from the game's random generator. Each kind sounds
// at most once a frame, and a kind that repeats fast (the laser while fire is held, a stream of
// enemy shots) at most once every few frames, so a barrage of 200 shots is one sound.
class FrameCues {
 public:
  // Forgets the last frame's cues; the frame count is the cues' own.
  void beginFrame();
  void add(SoundCue cue);

  // Off: nothing is collected (the silent game).
  void setEnabled(bool enabled) { enabled_ = enabled; }
  bool enabled() const { return enabled_; }

  bool has(SoundCue cue) const { return heard_[cueIndex(cue)]; }
  // This frame's cues in SoundCue order.
  std::vector<SoundCue> list() const;
  bool empty() const;

  // Frames a kind stays quiet after it sounded: 0 lets it sound every frame.
  static int quietFrames(SoundCue cue);

 private:
  static std::array<std::int64_t, kSoundCueCount> neverHeard();

  std::array<bool, kSoundCueCount> heard_{};
  std::array<std::int64_t, kSoundCueCount> lastHeard_ = neverHeard();
  std::int64_t frame_ = 0;
  bool enabled_ = true;
};
