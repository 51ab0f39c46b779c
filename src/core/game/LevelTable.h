#pragma once

#include <memory>

class EnemyBaseSprite;
struct Rect;

// A level's row of the bonus table.
struct LevelBonus {
  int timelimit;   // seconds; a level won later earns no time bonus
  int timebonus;   // the time bonus for a kill at 0 seconds, falling linearly to 0 at the limit
  int clearbonus;  // for winning the level at all
};

// What makes a level: its boss, made at its start point on the play field, and its bonus row.
struct Level {
  std::unique_ptr<EnemyBaseSprite> (*boss)(const Rect& rc);
  LevelBonus bonus;
};

// Levels run from 1 to kLastLevel; "Continue" starts at the last, and winning it wins the game.
inline constexpr int kLastLevel = 5;

// The row of a level from 1 to kLastLevel, or nothing.
const Level* findLevel(int level);

// Whether winning `level` leads to another level (rather than winning the game).
bool levelLeadsOn(int level);
