#include "bosses/BossLifecycle.h"

#include "effects/BlastSprite.h"
#include "sprites/Arena.h"

BlastSpot spotNear(double x, double y, int spread) {
  Arena& arena = Arena::current();
  const int offsetX = arena.rand() % spread;
  const int offsetY = arena.rand() % spread;
  return {x + offsetX - spread / 2, y + offsetY - spread / 2};
}

bool blastThisFrame(int chancesIn100) { return Arena::current().rand() % 100 < chancesIn100; }

void spawnBlast(BlastSpot spot, int sizeBase, int sizeRange) {
  Arena& arena = Arena::current();
  const int size = arena.rand() % sizeRange + sizeBase;
  arena.addEffect(new BlastSprite(spot.x, spot.y, size));
}
