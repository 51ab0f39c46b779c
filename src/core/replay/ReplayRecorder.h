#pragma once

#include <cstdint>

#include "game/PlayObserver.h"
#include "replay/ReplayFile.h"

class World;

// Records the game being played, from the set-up of its first level to its end: every frame's
// eight controls as the game read them, every change of the clock's seconds, the play field's
// size, and a checkpoint every 100 frames. The finished replay goes to replays/ beside the
// highscore file. Recording only watches: it changes nothing the game reads, and a replay that
// cannot be written costs one line on stderr, never the game.
class ReplayRecorder final : public PlayObserver {
 public:
  bool recording() const { return recording_; }

  // A new game is about to set up its first level (before its boss draws any number).
  void gameBegins(const World& world, int level) override;
  // Any later level set-up.
  void levelSetUp(int level) override;
  // The game read the clock.
  void clockRead(std::int64_t seconds) override;
  // The frame entry, around the scene.
  void frameBegins(const World& world);
  void frameEnds(World& world);
  // The game recorded its highscore: how it ended and whether the record made the table.
  void highscoreRecorded(bool cleared, bool ranked) override;
  // The game went back to the title: the replay ends with this frame.
  void gameEnds();
  // The window is closing mid-game: the replay ends now.
  void windowCloses(World& world) override;

 private:
  void recordFrame(World& world);
  void finish(World& world);
  void stop(const char* why);

  ReplayFile replay_;
  bool recording_ = false;
  bool insideFrame_ = false;
  bool skipFrame_ = false;  // the frame that began the game belongs to the title
  bool ending_ = false;
  std::uint32_t reads_ = 0;
  std::int64_t lastSeconds_ = 0;
  int lastWidth_ = 0;
  int lastHeight_ = 0;
};
