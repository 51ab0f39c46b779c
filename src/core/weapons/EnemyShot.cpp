#include "weapons/EnemyShot.h"

#include "sprites/Arena.h"

bool leavesField(const Rect& rc, double x, double y, int margin) {
  return x - margin >= rc.right || x + margin <= rc.left || y - margin >= rc.bottom ||
         y + margin <= rc.top;
}

void EnemyShotSprite::leaveWhenOutside(int margin) {
  Arena& arena = Arena::current();
  if (leavesField(arena.field(), x, y, margin)) arena.removeEnemyShot(this);
}
