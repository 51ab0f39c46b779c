#include "bosses/BossFactory.h"

#include "bosses/Enemy5.h"
#include "bosses/Enemy6.h"
#include "bosses/Enemy7.h"
#include "bosses/Enemy9.h"
#include "game/World.h"

namespace {

// Stand-in for a boss that has not been built yet: the level-1 boss at that level's start
// position. The level's own boss replaces it when it lands.
std::unique_ptr<EnemyBaseSprite> standInBoss(int x, int y) {
  return std::make_unique<Enemy5Sprite>(x, y);
}

}  // namespace

std::unique_ptr<EnemyBaseSprite> createBoss(int level, const Rect& rc) {
  switch (level) {
    case 2: return std::make_unique<Enemy6Sprite>(400, 200);
    case 3: return std::make_unique<Enemy7Sprite>(400, 200);
    case 4: return standInBoss(rc.right / 2, 180);  // Enemy8Sprite replaces it
    case 5: return std::make_unique<Enemy9Sprite>(rc.right / 2, 180);
    default: return std::make_unique<Enemy5Sprite>(400, 100);
  }
}
