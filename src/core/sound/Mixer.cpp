#include "sound/Mixer.h"

#include <algorithm>
#include <cmath>

#include "sound/CueRecipes.h"
#include "sound/FrameCues.h"

namespace {

// Below the knee the sum passes unchanged; above it, it bends smoothly towards 1 and never gets
// there (u / (1 + u) rather than tanh, which each C library rounds its own way).
constexpr float kKnee = 0.6f;

float softLimit(float x) {
  const float size = std::fabs(x);
  if (size <= kKnee) return x;
  const float over = (size - kKnee) / (1.0f - kKnee);
  const float bent = kKnee + (1.0f - kKnee) * over / (1.0f + over);
  return std::copysign(bent, x);
}

}  // namespace

// A mono cue restarts its own voice; otherwise a free voice, or the least important one playing
// (the furthest along among equals) if it matters no more than the new cue.
Mixer::Voice* Mixer::voiceFor(SoundCue cue) {
  const Recipe& recipe = recipeFor(cue);
  Voice* weakest = nullptr;
  for (Voice& voice : voices_) {
    if (recipe.mono && voice.playing && voice.cue == cue) return &voice;
  }
  for (Voice& voice : voices_) {
    if (!voice.playing) return &voice;
    const int priority = recipeFor(voice.cue).priority;
    if (!weakest || priority < recipeFor(weakest->cue).priority ||
        (priority == recipeFor(weakest->cue).priority && voice.position > weakest->position)) {
      weakest = &voice;
    }
  }
  return recipeFor(weakest->cue).priority <= recipe.priority ? weakest : nullptr;
}

void Mixer::play(SoundCue cue) {
  if (bank_.samples(cue).empty()) return;
  if (Voice* voice = voiceFor(cue)) *voice = Voice{cue, 0, true};
}

void Mixer::play(const FrameCues& cues) {
  for (SoundCue cue : cues.list()) play(cue);
}

float Mixer::mixOne() {
  float sum = 0.0f;
  for (Voice& voice : voices_) {
    if (!voice.playing) continue;
    const std::vector<float>& samples = bank_.samples(voice.cue);
    sum += samples[voice.position];
    if (++voice.position >= samples.size()) voice.playing = false;
  }
  return sum;
}

void Mixer::render(std::int16_t* out, std::size_t count) {
  const float gain = muted_ ? 0.0f : gain_;
  for (std::size_t i = 0; i < count; ++i) {
    const float mixed = mixOne() * gain;
    out[i] = static_cast<std::int16_t>(std::lrint(softLimit(mixed) * kCeiling));
  }
}

std::vector<std::int16_t> Mixer::render(std::size_t count) {
  std::vector<std::int16_t> out(count);
  render(out.data(), count);
  return out;
}

// Loudness follows the square of the setting, so the lower half of the range is still useful.
void Mixer::setVolume(int volume) {
  volume_ = std::clamp(volume, 0, 100);
  const float share = static_cast<float>(volume_) / 100.0f;
  gain_ = share * share;
}

int Mixer::active() const {
  return static_cast<int>(std::count_if(std::begin(voices_), std::end(voices_),
                                        [](const Voice& v) { return v.playing; }));
}
