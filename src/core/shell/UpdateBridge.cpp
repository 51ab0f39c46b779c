#include "shell/UpdateBridge.h"

#include "game/World.h"

void UpdateBridge::newgame() {
  scene = updategame;
  nowlevel = 1;
  world_.initialize(nowlevel);
}

void UpdateBridge::contgame() {
  scene = updategame;
  nowlevel = 5;
  world_.initialize(nowlevel);
}

void UpdateBridge::nextlevel() {
  ++nowlevel;
  world_.initialize(nowlevel);
}

void update(World& world, Canvas& canvas) {
  World::makeCurrent(world);
  world.UB.call(world, canvas);
}
