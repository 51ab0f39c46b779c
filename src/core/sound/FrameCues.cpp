#include "sound/FrameCues.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "game/BlastSprite.h"
#include "weapons/AcceleratingShots.h"
#include "weapons/EnemyLaserSprite.h"
#include "weapons/OrbitingShot.h"
#include "weapons/Pulses.h"
#include "weapons/StraightLasers.h"
#include "weapons/Tracers.h"

namespace {

// Explosions by size: the boss's break-up throws 20 to 40, a lost ship 50 to 70, the boss's last
// explosions 80 and more.
constexpr double kLargeBlast = 45;
constexpr double kBossBlast = 80;

template <class T>
bool is(const MySprite* sprite) {
  return dynamic_cast<const T*>(sprite) != nullptr;
}

// Tracers first: the white tracer is a straight laser too.
std::optional<SoundCue> volleyOf(const MySprite* shot) {
  if (is<WhiteTracerSprite>(shot) || is<PHSTracerSprite>(shot)) return SoundCue::volleyTracer;
  if (is<EnemyLaserSprite>(shot)) return SoundCue::volleyStar;
  if (is<StraightLaserSprite>(shot)) return SoundCue::volleyLaser;
  if (is<AcceleratingShotSprite>(shot)) return SoundCue::volleyRapid;
  if (is<YSPulseSprite>(shot)) return SoundCue::volleyPulse;
  if (is<CH7Sprite>(shot)) return SoundCue::volleyOrbit;
  return std::nullopt;
}

}  // namespace

std::array<std::int64_t, kSoundCueCount> FrameCues::neverHeard() {
  std::array<std::int64_t, kSoundCueCount> frames{};
  frames.fill(std::numeric_limits<std::int64_t>::min() / 2);
  return frames;
}

int FrameCues::quietFrames(SoundCue cue) {
  switch (cue) {
    case SoundCue::laser: return 6;  // every other shot: light over a long fight
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

void FrameCues::shotFired(const MySprite* shot) {
  if (const auto cue = volleyOf(shot)) add(*cue);
}

void FrameCues::effectAdded(const MySprite* effect) {
  const auto* blast = dynamic_cast<const BlastSprite*>(effect);
  if (!blast) return;
  const double size = blast->get_size();
  if (size >= kBossBlast) {
    add(SoundCue::bossBlast);
  } else if (size >= kLargeBlast) {
    add(SoundCue::blastLarge);
  } else {
    add(SoundCue::blastSmall);
  }
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
