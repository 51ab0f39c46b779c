#pragma once

#include <cstdint>
#include <deque>

#include "controls/ControlSource.h"

// What the page's touch overlay holds, turned into the game's eight controls one update at a time.
//
// The game reads held directions and moves the ship 3 pixels per update along each held one, so a
// finger's relative motion becomes a debt in play-field pixels: every update holds the direction
// that pays 3 pixels of it back, as long as at least half a step is owed. Taps become short
// presses, queued so that each one is held and then released for whole updates, as the title
// menu needs to see a second press.
class TouchControls {
 public:
  static constexpr double kShipStep = 3.0;
  // A flick owes at most this much, so the ship never runs on long after the finger stopped.
  static constexpr double kMostOwed = 90.0;

  // Buttons held down on the overlay (fire, bomb, auto-fire), as a mask of 1 << Key.
  void setHeld(unsigned mask) { held_ = mask; }
  // The finger moved this far, in play-field pixels.
  void addDrag(double dx, double dy);
  // Holds `mask` for `frames` updates, then nothing for as many, after the presses queued before.
  void press(unsigned mask, int frames);
  // Forgets everything: a key or a gamepad took over, or the page lost the focus.
  void clear();

  // Once before each update: decides what this update holds.
  void beginUpdate();
  bool held(Key key) const { return (now_ >> static_cast<unsigned>(key)) & 1u; }

 private:
  struct Press {
    unsigned mask;
    int frames;
  };
  unsigned held_ = 0;
  unsigned now_ = 0;
  double owedX_ = 0;
  double owedY_ = 0;
  std::deque<Press> presses_;
};
