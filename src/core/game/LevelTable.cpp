#include "game/LevelTable.h"

#include <array>

#include "bosses/Enemy5.h"
#include "bosses/Enemy6.h"
#include "bosses/Enemy7.h"
#include "bosses/Enemy8.h"
#include "bosses/Enemy9.h"
#include "graphics/Rect.h"

namespace {

template <typename Boss, int x, int y>
std::unique_ptr<EnemyBaseSprite> bossAt(const Rect&) {
  return std::make_unique<Boss>(x, y);
}

// Levels 4 and 5 centre their boss on the field as it is when the level starts.
template <typename Boss, int y>
std::unique_ptr<EnemyBaseSprite> bossCentredAt(const Rect& rc) {
  return std::make_unique<Boss>(rc.right / 2, y);
}

// The stakes double level by level; the last level's clear bonus is for finishing the game.
constexpr std::array<Level, kLastLevel> kLevels = {{
    {bossAt<Enemy5Sprite, 400, 100>, {60, 100000, 100000}},
    {bossAt<Enemy6Sprite, 400, 200>, {120, 200000, 200000}},
    {bossAt<Enemy7Sprite, 400, 200>, {180, 300000, 300000}},
    {bossCentredAt<Enemy8Sprite, 180>, {240, 400000, 400000}},
    {bossCentredAt<Enemy9Sprite, 180>, {300, 500000, 500000}},
}};

}  // namespace

const Level* findLevel(int level) {
  if (level < 1 || level > kLastLevel) return nullptr;
  return &kLevels[static_cast<std::size_t>(level - 1)];
}

bool levelLeadsOn(int level) { return level >= 1 && level < kLastLevel; }
