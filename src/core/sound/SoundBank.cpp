#include "sound/SoundBank.h"

#include <cmath>
#include <cstddef>

#include "math/PortableMath.h"
#include "sound/AudioFormat.h"
#include "sound/CueRecipes.h"
#include "sound/NoiseSource.h"

namespace {

constexpr double kTwoPi = 6.283185307179586;

double envelope(const Layer& layer, double seconds) {
  if (seconds < layer.attack) return seconds / layer.attack;
  const double left = 1.0 - (seconds - layer.attack) / layer.decay;
  return left > 0 ? left * left : 0.0;
}

// One layer's oscillator, low-pass and envelope, sample by sample.
class LayerVoice {
 public:
  explicit LayerVoice(const Layer& layer)
      : layer_(layer),
        pitchOctaves_(portable::log(layer.endHz / layer.startHz)),
        cutoffOctaves_(portable::log(layer.cutoffEndHz / layer.cutoffStartHz)) {}

  double next(double seconds, NoiseSource& noise) {
    const double t = seconds / (layer_.attack + layer_.decay);
    phase_ += layer_.startHz * portable::exp(t * pitchOctaves_) / kSampleRate;
    const bool wrapped = phase_ >= 1.0;
    phase_ -= std::floor(phase_);
    const double raw = oscillator(wrapped, noise);
    const double cutoff = layer_.cutoffStartHz * portable::exp(t * cutoffOctaves_);
    filtered_ += (1.0 - portable::exp(-kTwoPi * cutoff / kSampleRate)) * (raw - filtered_);
    return filtered_ * envelope(layer_, seconds) * layer_.gain;
  }

 private:
  double oscillator(bool wrapped, NoiseSource& noise) {
    switch (layer_.wave) {
      // Less its average, so a narrow pulse carries no steady offset into the mix.
      case Wave::square: return (phase_ < layer_.duty ? 1.0 : -1.0) - (2.0 * layer_.duty - 1.0);
      case Wave::triangle: return 4.0 * std::fabs(phase_ - 0.5) - 1.0;
      case Wave::saw: return 2.0 * phase_ - 1.0;
      case Wave::noise:
        if (wrapped) held_ = noise.next();
        return held_;
    }
    return 0.0;
  }

  const Layer& layer_;
  // The slides, evenly in pitch: ln(end / start) of each.
  const double pitchOctaves_;
  const double cutoffOctaves_;
  double phase_ = 0.0;
  double filtered_ = 0.0;
  double held_ = 0.0;
};

std::size_t samplesIn(double seconds) {
  return static_cast<std::size_t>(std::ceil(seconds * kSampleRate));
}

}  // namespace

std::vector<float> renderRecipe(const Recipe& recipe) {
  std::vector<float> out(samplesIn(recipe.length()), 0.0f);
  NoiseSource noise;
  for (const Layer& layer : recipe.layers) {
    LayerVoice voice(layer);
    const std::size_t first = samplesIn(layer.delay);
    const std::size_t count = samplesIn(layer.attack + layer.decay);
    for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
      const double seconds = static_cast<double>(i) / kSampleRate;
      out[first + i] += static_cast<float>(voice.next(seconds, noise));
    }
  }
  return out;
}

SoundBank::SoundBank() {
  for (std::size_t i = 0; i < kSoundCueCount; ++i) {
    samples_[i] = renderRecipe(recipeFor(static_cast<SoundCue>(i)));
  }
}
