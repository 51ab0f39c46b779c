#pragma once

#include <cstdint>
#include <random>
#include <set>
#include <unordered_map>

#include "controls/ControlSource.h"

class Sprite;
class World;

// Plays the game through the player's eight controls, seeing only what the screen shows: where the
// ship, the boss and every enemy shot are and how they moved since the last frames. In a fight it
// keeps under the boss firing, picks each frame the safest of the nine moves by looking a few
// frames ahead along each shot's path, and sets off a bomb when every move runs into a shot. It
// starts a new game from the title and leaves the result screens with Space. It draws its own
// chances from a generator of its own, never from the game's.
class Autopilot {
 public:
  // `noise`: the chance, each frame, of holding a random set of controls instead (for soak runs).
  explicit Autopilot(std::uint32_t seed, double noise = 0.0);

  // The controls to hold in the coming frame.
  const std::set<Key>& decide(const World& world);

  // How many frames ahead each move is looked at.
  static constexpr int kLookahead = 16;

 private:
  struct Track {
    double x, y;    // last seen
    double vx, vy;  // last step
    double ax, ay;  // change of the last step
  };
  struct Move {
    int dx, dy;
  };

  void onTitle(const World& world);
  void inFight(const World& world);
  void trackShots(const World& world);
  // The first frame ahead in which the ship, holding the move, meets a shot; past the lookahead
  // when it meets none.
  int firstHit(const World& world, Move move) const;
  double preference(const World& world, Move move) const;
  void holdMove(Move move);
  void randomControls();

  std::mt19937 chance_;
  double noise_;
  double preferredOffsetX_;
  std::unordered_map<const Sprite*, Track> tracks_;
  std::set<Key> held_;
  bool releaseNext_ = false;  // a control that acts once per press must be let go in between
};
