#pragma once

#include <cstdint>

class World;

// Watches a game for its replay: the moments the World reports besides its frames. Watching changes
// nothing the game reads.
class PlayObserver {
 public:
  // A new game is about to set up its first level (before its boss draws any number).
  virtual void gameBegins(const World& world, int level) = 0;
  // Any later level set-up.
  virtual void levelSetUp(int level) = 0;
  // The game read the clock.
  virtual void clockRead(std::int64_t seconds) = 0;
  // The game recorded its highscore: how it ended and whether the record made the table.
  virtual void highscoreRecorded(bool cleared, bool ranked) = 0;
  // The window is closing mid-game.
  virtual void windowCloses(World& world) = 0;

 protected:
  ~PlayObserver() = default;
};
