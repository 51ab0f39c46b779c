#pragma once

#include <cstdint>

#include "game/LevelTable.h"

class World;

inline constexpr int kExtraShipEvery = 200000;
inline constexpr int kBombBonusEach = 50000;

// The row of a level; a level outside 1 to 5 earns neither time nor clear bonus.
LevelBonus bonusRow(int level);

// The time bonus for a level won after `seconds` whole seconds.
int timeBonus(const LevelBonus& row, std::int64_t seconds);

// Adds points to the score as if one at a time: every exact multiple of 200,000 reached on the way
// gives an extra ship. Zero or negative points add nothing.
void addscore(World& world, int points);

// The level is won: grants the time, clear, bomb and no-death bonuses in that order, each once per
// level, and remembers the amounts for the result screen. Later calls in the same level add
// nothing.
void addLevelBonuses(World& world);
