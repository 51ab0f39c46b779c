#include "bosses/BossFactory.h"

#include "bosses/Enemy5.h"
#include "bosses/Enemy6.h"
#include "bosses/Enemy7.h"
#include "bosses/Enemy8.h"
#include "bosses/Enemy9.h"
#include "game/World.h"

std::unique_ptr<EnemyBaseSprite> createBoss(int level, const Rect& rc) {
  switch (level) {
    case 2: return std::make_unique<Enemy6Sprite>(400, 200);
    case 3: return std::make_unique<Enemy7Sprite>(400, 200);
    case 4: return std::make_unique<Enemy8Sprite>(rc.right / 2, 180);
    case 5: return std::make_unique<Enemy9Sprite>(rc.right / 2, 180);
    default: return std::make_unique<Enemy5Sprite>(400, 100);
  }
}
