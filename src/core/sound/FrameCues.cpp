#include "sound/FrameCues.h"

#include <algorithm>
#include <limits>

std::array<std::int64_t, kSoundCueCount> FrameCues::neverHeard() {
  std::array<std::int64_t, kSoundCueCount> frames{};
  frames.fill(std::numeric_limits<std::int64_t>::min() / 2);
  return frames;
}

int FrameCues::quietFrames(SoundCue cue) {
  switch (cue) {
    case SoundCue::laser: return 6;  // every third shot: light over a long fight
    case SoundCue::bossHit: return 5;
    case SoundCue::blastSmall: return 4;
    case SoundCue::bossBlast: return 3;
    case SoundCue::volleyStar:
    case SoundCue::volleyLaser:
    case SoundCue::volleyRapid:
    case SoundCue::volleyTracer:
    case SoundCue::volleyPulse:
    case SoundCue::volleyOrbit: return 8;
    default: return 0;
  }
}

void FrameCues::beginFrame() {
  heard_.fill(false);
  ++frame_;
}

void FrameCues::add(SoundCue cue) {
  const std::size_t i = cueIndex(cue);
  if (!enabled_ || heard_[i]) return;
  if (frame_ - lastHeard_[i] <= quietFrames(cue)) return;
  heard_[i] = true;
  lastHeard_[i] = frame_;
}

std::vector<SoundCue> FrameCues::list() const {
  std::vector<SoundCue> cues;
  for (std::size_t i = 0; i < kSoundCueCount; ++i) {
    if (heard_[i]) cues.push_back(static_cast<SoundCue>(i));
  }
  return cues;
}

bool FrameCues::empty() const {
  return std::none_of(heard_.begin(), heard_.end(), [](bool heard) { return heard; });
}
