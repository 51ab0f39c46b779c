#pragma once

#include <vector>

enum class Wave { square, triangle, saw, noise };

// One voice of a cue: an oscillator (or noise) whose pitch slides from startHz to endHz over the
// layer's length, shaped by an attack/decay envelope and a one-pole low-pass whose cutoff slides
// too. For noise the pitch is the rate at which a new random value is taken.
struct Layer {
  Wave wave = Wave::square;
  double startHz = 440;
  double endHz = 440;
  double delay = 0;       // seconds before the layer starts
  double attack = 0.002;  // seconds up to full level
  double decay = 0.1;     // seconds from full level down to silence
  double gain = 0.2;
  double cutoffStartHz = 20000;
  double cutoffEndHz = 20000;
  double duty = 0.5;  // square only: the high part of a period

  double end() const { return delay + attack + decay; }
};

// How one cue sounds: its layers, and which cue gives way when the voices run out.
struct Recipe {
  std::vector<Layer> layers;
  int priority = 0;   // higher wins a voice
  bool mono = false;  // a new cue of this kind restarts the one playing rather than adding to it

  double length() const;
};
