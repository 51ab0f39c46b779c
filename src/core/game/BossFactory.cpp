#include "game/BossFactory.h"

#include "game/LevelTable.h"

std::unique_ptr<EnemyBaseSprite> createBoss(int level, const Rect& rc) {
  const Level* row = findLevel(level);
  return (row ? row : findLevel(1))->boss(rc);
}
