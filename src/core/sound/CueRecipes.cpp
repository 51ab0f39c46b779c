#include "sound/CueRecipes.h"

#include <algorithm>
#include <array>
#include <initializer_list>

double Recipe::length() const {
  double longest = 0;
  for (const Layer& layer : layers) longest = std::max(longest, layer.end());
  return longest;
}

namespace {

// Equal-tempered pitches of the jingles.
constexpr double C4 = 261.63, E4 = 329.63, F4 = 349.23, G4 = 392.00, A4 = 440.00;
constexpr double B3 = 246.94, C5 = 523.25, D5 = 587.33, E5 = 659.26, G5 = 783.99;
constexpr double C6 = 1046.50, E3 = 164.81, G3 = 196.00, C3 = 130.81;

Layer tone(Wave wave, double startHz, double endHz, double decay, double gain) {
  Layer layer;
  layer.wave = wave;
  layer.startHz = startHz;
  layer.endHz = endHz;
  layer.decay = decay;
  layer.gain = gain;
  return layer;
}

Layer filtered(Layer layer, double cutoffStartHz, double cutoffEndHz) {
  layer.cutoffStartHz = cutoffStartHz;
  layer.cutoffEndHz = cutoffEndHz;
  return layer;
}

// A held note of a jingle: quick attack, a decay as long as the note.
Layer note(Wave wave, double hz, double delay, double length, double gain) {
  Layer layer = tone(wave, hz, hz, length, gain);
  layer.delay = delay;
  layer.attack = 0.005;
  layer.duty = 0.25;
  return filtered(layer, 5000, 3000);
}

// Notes one after another, each `step` seconds after the last.
std::vector<Layer> melody(Wave wave, std::initializer_list<double> pitches, double step,
                          double length, double gain, double start = 0) {
  std::vector<Layer> layers;
  double delay = start;
  for (double hz : pitches) {
    layers.push_back(note(wave, hz, delay, length, gain));
    delay += step;
  }
  return layers;
}

std::vector<Layer> joined(std::vector<Layer> a, const std::vector<Layer>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

Recipe make(std::vector<Layer> layers, int priority, bool mono = false) {
  return Recipe{std::move(layers), priority, mono};
}

Layer pulse(double startHz, double endHz, double decay, double gain, double duty) {
  Layer layer = tone(Wave::square, startHz, endHz, decay, gain);
  layer.duty = duty;
  return layer;
}

Recipe recipe(SoundCue cue) {
  using W = Wave;
  switch (cue) {
    case SoundCue::laser:
      return make({filtered(pulse(1700, 1100, 0.045, 0.07, 0.125), 5000, 3000)}, 1, true);
    case SoundCue::bossHit:
      return make({filtered(tone(W::noise, 9000, 4000, 0.035, 0.12), 6000, 2500),
                   tone(W::triangle, 330, 180, 0.05, 0.14)},
                  3, true);
    case SoundCue::lifeBarColour:
      return make(melody(W::square, {E5, B3 * 2}, 0.09, 0.12, 0.13), 5, true);
    case SoundCue::blastSmall:
      return make({filtered(tone(W::noise, 5000, 1200, 0.28, 0.30), 3500, 500)}, 4);
    case SoundCue::blastLarge:
      return make({filtered(tone(W::noise, 3000, 400, 0.65, 0.45), 3000, 250),
                   tone(W::triangle, 120, 38, 0.45, 0.38)},
                  6);
    case SoundCue::bossBlast:
      return make(
          {filtered(tone(W::noise, 2200, 200, 1.0, 0.50), 2400, 180),
           filtered(pulse(90, 28, 0.8, 0.25, 0.5), 500, 150), tone(W::triangle, 70, 30, 0.9, 0.35)},
          7);
    case SoundCue::bomb: {
      Layer rumble = filtered(tone(W::noise, 6000, 90, 1.7, 0.65), 7000, 120);
      rumble.attack = 0.01;
      return make({rumble, filtered(tone(W::saw, 220, 24, 1.5, 0.35), 1500, 100),
                   tone(W::triangle, 62, 27, 1.6, 0.5)},
                  10);
    }
    case SoundCue::shipLost:
      return make({filtered(tone(W::saw, 900, 50, 0.75, 0.30), 3000, 300),
                   filtered(tone(W::noise, 4000, 500, 0.5, 0.30), 4000, 400)},
                  8);
    case SoundCue::shipBack: return make(melody(W::triangle, {C5, E5, G5, C6}, 0.06, 0.1, 0.22), 5);
    case SoundCue::extraShip:
      return make(melody(W::square, {C5, E5, G5, C6, G5, C6}, 0.07, 0.1, 0.14), 7);
    case SoundCue::levelCleared:
      return make(joined(melody(W::square, {C5, E5, G5, C6}, 0.13, 0.16, 0.13),
                         melody(W::triangle, {C3, G3, C4}, 0.18, 0.3, 0.25)),
                  9);
    case SoundCue::gameOver:
      return make(
          joined(melody(W::square, {G4, F4, E4}, 0.3, 0.28, 0.13),
                 {note(W::square, C4, 0.9, 0.9, 0.13), note(W::triangle, C3, 0.9, 1.0, 0.3)}),
          9);
    case SoundCue::gameCleared:
      return make(
          joined(melody(W::square, {C5, E5, G5, C6, G5, C6, D5 * 2, E5 * 2}, 0.12, 0.2, 0.12),
                 melody(W::triangle, {C3, E3, G3, C4, G3, C4}, 0.16, 0.3, 0.25)),
          9);
    case SoundCue::menuMove:
      return make({filtered(pulse(A4 * 2, A4 * 2, 0.035, 0.12, 0.5), 4000, 4000)}, 3, true);
    case SoundCue::menuChoice:
      return make({filtered(pulse(660, 1320, 0.14, 0.14, 0.25), 5000, 3000)}, 5, true);
    case SoundCue::volleyStar:
      return make({filtered(tone(W::triangle, 1400, 700, 0.09, 0.13), 6000, 3000)}, 2, true);
    case SoundCue::volleyLaser:
      return make({filtered(tone(W::saw, 950, 480, 0.08, 0.07), 3000, 1500)}, 2, true);
    case SoundCue::volleyRapid:
      return make({filtered(pulse(1300, 900, 0.05, 0.06, 0.25), 4000, 2500)}, 2, true);
    case SoundCue::volleyTracer:
      return make({filtered(tone(W::saw, 300, 1300, 0.12, 0.07), 2500, 4000)}, 2, true);
    case SoundCue::volleyPulse: return make({tone(W::triangle, 180, 420, 0.15, 0.2)}, 2, true);
    case SoundCue::volleyOrbit:
      return make({filtered(pulse(260, 330, 0.2, 0.10, 0.5), 1200, 800)}, 2, true);
  }
  return {};
}

std::array<Recipe, kSoundCueCount> allRecipes() {
  std::array<Recipe, kSoundCueCount> recipes;
  for (std::size_t i = 0; i < kSoundCueCount; ++i) recipes[i] = recipe(static_cast<SoundCue>(i));
  return recipes;
}

}  // namespace

const Recipe& recipeFor(SoundCue cue) {
  static const std::array<Recipe, kSoundCueCount> recipes = allRecipes();
  return recipes[cueIndex(cue)];
}
