#include "bosses/BossLifecycle.h"

#include "game/BlastSprite.h"
#include "game/World.h"

void spawnBlastNear(double x, double y, int sizeBase, int sizeRange) {
  World& world = World::current();
  const int offsetX = world.rand() % 40;
  const int offsetY = world.rand() % 40;
  const int size = world.rand() % sizeRange + sizeBase;
  world.requestAdd(world.addosprites, new BlastSprite(x + offsetX - 20, y + offsetY - 20, size));
}

void maybeSpawnSmallBlast(double x, double y, int sizeBase) {
  if (World::current().rand() % 100 < 20) spawnBlastNear(x, y, sizeBase, 21);
}
