#include "bosses/BossFactory.h"
#include "game/World.h"
#include "player/PlayerSprite.h"

void World::initialize(int level) {
  if (lifecount < 0) {
    recorder.gameBegins(*this, level);
  } else {
    recorder.levelSetUp(level);
  }
  esl.clear();
  psl.clear();
  osl.clear();
  es.reset();
  es = createBoss(level, rc);
  psp = std::make_unique<PlayerSprite>(400, 400);
  if (lifecount < 0) {  // a new game
    lifecount = 2;
    bombcount = 2;
    score = 0;
  }
  if (bombcount < 1) bombcount = 1;
  levelbegintime = ingametime = now();
  timebonusadded = killbonusadded = bombbonusadded = false;
  bonusgiven.reset();
  nodeathbonus.reset();
}
