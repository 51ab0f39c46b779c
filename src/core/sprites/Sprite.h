#pragma once

#include <optional>

#include "sound/SoundCue.h"

class Canvas;
class MyHitSprite;

// Everything that moves is a sprite: updated by one frame, then drawn.
class Sprite {
 public:
  virtual ~Sprite() = default;
  virtual void draw(Canvas& canvas) = 0;
  virtual void update() = 0;
  // The sprite as one that takes part in hit tests, or null: asked of every shot every frame, so a
  // virtual call rather than a type search.
  virtual MyHitSprite* asHitSprite() { return nullptr; }
  virtual const MyHitSprite* asHitSprite() const { return nullptr; }
};

// A sprite with a centre in client pixels.
class MySprite : public Sprite {
 public:
  // A destroyed sprite withdraws any delete request still naming it, so that a later sprite that
  // happens to get the same address can never be removed by that stale request.
  ~MySprite() override;
  virtual double get_x() const = 0;
  virtual double get_y() const = 0;
  // The sound the sprite makes as it appears (a volley, an explosion), if any.
  virtual std::optional<SoundCue> soundCue() const { return std::nullopt; }
};

// A sprite that takes part in hit tests, with its hit radius.
class MyHitSprite : public MySprite {
 public:
  virtual int get_hitsize() const = 0;
  MyHitSprite* asHitSprite() final { return this; }
  const MyHitSprite* asHitSprite() const final { return this; }
  int side = 0;  // 1 for the player's side, 2 for the enemy's; no rule reads it
};

// A boss or satellite: takes damage, breaks up, and finally counts as dead.
class EnemyBaseSprite : public MyHitSprite {
 public:
  EnemyBaseSprite() { side = 2; }
  virtual void destroy() = 0;
  // Whether the hit counted; a hit that does not count leaves the shot flying on.
  virtual bool damage(int points) = 0;
  virtual bool isdead() const = 0;
  virtual int get_life() const = 0;
};
