#pragma once

#include <array>
#include <vector>

#include "sound/Recipe.h"
#include "sound/SoundCue.h"

// Renders a recipe to samples (-1 to 1 per layer's gain), exactly its length long. Noise comes
// from the synthesizer's own generator, so the same recipe gives the same samples every time.
std::vector<float> renderRecipe(const Recipe& recipe);

// Every cue rendered once, at start-up: playing a cue is then reading samples.
class SoundBank {
 public:
  SoundBank();
  const std::vector<float>& samples(SoundCue cue) const { return samples_[cueIndex(cue)]; }

 private:
  std::array<std::vector<float>, kSoundCueCount> samples_;
};
