#include <gmock/gmock.h>

#include "GameTestSupport.h"
#include "game/GameScene.h"

using ::testing::Contains;
using ::testing::ElementsAre;

namespace {

class GameFrame : public GameSceneTest {};

TEST_F(GameFrame, WalksTheListsInOrderAndARequestedShotFirstMovesInTheNextFrame) {
  addProbe(world.psl, "pshot", 100, 300);
  Probe* firer = addProbe(world.osl, "effect", 100, 300);
  addProbe(world.esl, "eshot", 700, 500);
  Probe* shot = nullptr;  // logged as well, once in its list
  firer->onUpdate = [&](Probe&) {
    if (!shot) world.requestAdd(world.addesprites, shot = new Probe("new", 700, 0, &log));
  };
  frame();
  EXPECT_THAT(log, ElementsAre("update:pshot", "draw:pshot", "update:effect", "draw:effect",
                               "update:boss", "draw:boss", "update:eshot", "draw:eshot"));
  frame();
  EXPECT_THAT(log, Contains("update:new"));
}

TEST_F(GameFrame, AddsLandAtTheFrontInOrderOrAtTheBackReversedAfterTheDeletes) {
  addProbe(world.esl, "old", 700, 0);
  addProbe(world.psl, "old", 10, 500);
  addProbe(world.osl, "old", 0, 0);
  for (const char* name : {"a", "b", "c"}) {
    world.requestAdd(world.addesprites, new Probe(name, 700, 0));
    world.requestAdd(world.addpsprites, new Probe(name, 10, 500));
    world.requestAdd(world.addosprites, new Probe(name, 0, 0));
  }
  auto* both = new Probe("both", 0, 0);  // asked to be added and removed: it stays
  world.requestAdd(world.addosprites, both);
  world.requestDelete(world.delosprites, both);
  frame();
  EXPECT_THAT(namesIn(world.esl), ElementsAre("a", "b", "c", "old"));
  EXPECT_THAT(namesIn(world.psl), ElementsAre("a", "b", "c", "old"));
  EXPECT_THAT(namesIn(world.osl), ElementsAre("old", "both", "c", "b", "a"));
}

TEST_F(GameFrame, ShotTheBossTakesDoesOneDamageAndGoesARefusedOneFliesOn) {
  Probe& target = boss();
  addProbe(world.psl, "hit", 400, 100);
  addProbe(world.psl, "miss", 100, 300);
  frame();
  EXPECT_EQ(target.life, 99);
  EXPECT_THAT(namesIn(world.psl), ElementsAre("miss"));
  target.hittable = false;
  addProbe(world.psl, "refused", 400, 100);
  frame();
  EXPECT_THAT(namesIn(world.psl), ElementsAre("miss", "refused"));
}

TEST_F(GameFrame, HeldDirectionsMoveTheShipToTheEdgesOnlyWhileTheWindowIsInFront) {
  keys.held = {Key::Left, Key::Up};
  frame();
  EXPECT_EQ(shipAt(), (Point{397, 397}));
  keys.held = {Key::Right, Key::Down};
  frames(200);
  EXPECT_EQ(shipAt(), (Point{world.rc.right, world.rc.bottom}));
  keys.held = {Key::Left, Key::Up};
  frames(300);
  EXPECT_EQ(shipAt(), (Point{0, 0}));
  world.windowfront = false;
  keys.held = {Key::Right, Key::Down, Key::Z, Key::X};
  frames(10);
  EXPECT_EQ(shipAt(), (Point{0, 0}));
  EXPECT_EQ(world.psl.get_count(), 0);
  EXPECT_EQ(world.bombcount, 2);
}

// Shots fired before the last ship was lost may still bring the boss down.
TEST_F(GameFrame, GameOverOutranksAWonLevel) {
  startLevel(5).dead = true;
  world.lifecount = -1;
  frame();
  EXPECT_EQ(currentScreen(world), GameScreen::gameover);
  EXPECT_NE(canvas.findText("GAME OVER"), nullptr);
}

}  // namespace
