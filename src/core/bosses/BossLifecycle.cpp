#include "bosses/BossLifecycle.h"

#include "game/BlastSprite.h"
#include "game/World.h"

BlastSpot spotNear(double x, double y, int spread) {
  World& world = World::current();
  const int offsetX = world.rand() % spread;
  const int offsetY = world.rand() % spread;
  return {x + offsetX - spread / 2, y + offsetY - spread / 2};
}

bool blastThisFrame(int chancesIn100) { return World::current().rand() % 100 < chancesIn100; }

void spawnBlast(BlastSpot spot, int sizeBase, int sizeRange) {
  World& world = World::current();
  const int size = world.rand() % sizeRange + sizeBase;
  world.addEffect(new BlastSprite(spot.x, spot.y, size));
}
