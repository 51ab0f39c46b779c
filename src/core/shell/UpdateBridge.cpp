#include "shell/UpdateBridge.h"

#include "game/LevelTable.h"
#include "game/World.h"
#include "replay/ReplayRecorder.h"

void UpdateBridge::title() {
  scene = updatetitle;
  recorder_.gameEnds();
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
