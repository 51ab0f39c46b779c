#include "shell/UpdateBridge.h"

#include "game/LevelTable.h"
#include "game/World.h"
#include "sound/SceneWatch.h"

void UpdateBridge::title() {
  scene = updatetitle;
  world_.recorder.gameEnds();
}

void UpdateBridge::newgame() {
  scene = updategame;
  nowlevel = 1;
  world_.initialize(nowlevel);
}

void UpdateBridge::contgame() {
  scene = updategame;
  nowlevel = kLastLevel;
  world_.initialize(nowlevel);
}

void UpdateBridge::nextlevel() {
  ++nowlevel;
  world_.initialize(nowlevel);
}

void UpdateBridge::startAt(int level) {
  if (level >= kLastLevel) {
    contgame();
    return;
  }
  newgame();
  while (nowlevel < level) nextlevel();
}

void update(World& world, Canvas& canvas) {
  World::makeCurrent(world);
  world.recorder.frameBegins(world);
  world.cues.beginFrame();
  const SceneWatch before = SceneWatch::of(world);
  world.UB.call(world, canvas);
  SceneWatch::report(before, SceneWatch::of(world), world.cues);
  world.recorder.frameEnds(world);
}
