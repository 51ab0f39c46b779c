#pragma once

#include "graphics/Rect.h"
#include "sound/SoundCue.h"

class EnemyBaseSprite;
class MySprite;

// What a sprite (a boss, a shot, the ship, an effect) may ask of the game it plays in, and nothing
// more: the game's random draw, the field, where the ship and the boss are, new shots and effects,
// its own removal, a sound cue. The running game is the current arena while its frame runs.
class Arena {
 public:
  static Arena& current() { return *current_; }
  static Arena* currentOrNull() { return current_; }
  static void makeCurrent(Arena* arena) { current_ = arena; }

  // The game's one random generator: every draw a rule makes, in the order it makes them.
  virtual int rand() = 0;
  virtual const Rect& field() const = 0;
  // The player's ship and the level's boss, for aiming and orbiting.
  virtual const MySprite& ship() const = 0;
  virtual const EnemyBaseSprite& boss() const = 0;

  // New sprites join their list at the frame's commit: enemy shots hurt the ship, the player's
  // shots hurt the boss, effects hurt nobody. A shot or effect that makes a sound is heard now.
  virtual void fireEnemyShot(MySprite* shot) = 0;
  virtual void firePlayerShot(MySprite* shot) = 0;
  virtual void addEffect(MySprite* effect) = 0;

  // A sprite asks to leave its list at the frame's commit; a request refused by a full stack is
  // repeated by the sprite on a later frame.
  virtual void removeEnemyShot(MySprite* shot) = 0;
  virtual void removePlayerShot(MySprite* shot) = 0;
  virtual void removeEffect(MySprite* effect) = 0;
  // An effect leaves at once if it is still waiting to join its list, otherwise at the commit.
  virtual void withdrawEffect(MySprite* effect) = 0;
  // A sprite is being destroyed: no request may name it any more.
  virtual void forgetSprite(MySprite* sprite) = 0;

  virtual void cue(SoundCue cue) = 0;
  // The orbiting shots' shared outline colour, 0 to 199, moved on by each one drawn.
  virtual int& orbitColour() = 0;

 protected:
  ~Arena() = default;

 private:
  static inline Arena* current_ = nullptr;
};
