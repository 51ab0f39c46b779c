#pragma once

#include "sprites/Sprite.h"

// A level's boss as the game scene, the life bar and the headless runner see it: an enemy that can
// also say what it is and which state it is in ("Enemy5Sprite", "updatebreakup").
class Boss : public EnemyBaseSprite {
 public:
  virtual const char* class_name() const = 0;
  virtual const char* state_name() const = 0;
  // The frame counter of the current state and the boss's turn, as every boss keeps them.
  virtual int get_count() const = 0;
  virtual double get_angle() const = 0;
};

// The names of the boss in `es`, or "" when there is none or it does not tell.
const char* bossClassName(const EnemyBaseSprite* boss);
const char* bossStateName(const EnemyBaseSprite* boss);
