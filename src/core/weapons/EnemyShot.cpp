#include "weapons/EnemyShot.h"

#include "game/World.h"

bool leavesField(const Rect& rc, double x, double y, int margin) {
  return x - margin >= rc.right || x + margin <= rc.left || y - margin >= rc.bottom ||
         y + margin <= rc.top;
}

void EnemyShotSprite::leaveWhenOutside(int margin) {
  World& world = World::current();
  if (leavesField(world.rc, x, y, margin)) world.requestDelete(world.delesprites, this);
}
