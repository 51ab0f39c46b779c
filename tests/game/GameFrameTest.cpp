#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "GameTestSupport.h"
#include "game/GameScene.h"
#include "game/Hud.h"

using ::testing::ElementsAre;

namespace {

class GameFrame : public GameSceneTest {};

// --- The order of one frame -------------------------------------------------------------------

TEST_F(GameFrame, UpdatesAndDrawsInTheFrameOrder) {
  startLevel(1);
  addProbe(world.psl, "pshot", 100, 300);
  addProbe(world.osl, "effect", 100, 300);
  addProbe(world.esl, "eshot", 700, 500);
  makeShipNormal();
  frame();
  EXPECT_THAT(log, ElementsAre("update:pshot", "draw:pshot", "update:effect", "draw:effect",
                               "update:boss", "draw:boss", "update:eshot", "draw:eshot"));
  // On the canvas: player shot, effect, boss, ship, enemy shot, then the life bar and the box.
  std::vector<std::string> order;
  for (const DrawCall& call : canvas.calls) {
    if (call.kind == DrawCall::Kind::Text) order.push_back(call.text);
    if (call.kind == DrawCall::Kind::Polygon && order.size() == 3) order.push_back("ship");
  }
  ASSERT_GE(order.size(), 6u);
  EXPECT_THAT(std::vector<std::string>(order.begin(), order.begin() + 6),
              ElementsAre("pshot", "effect", "boss", "ship", "eshot", "BOSS"));
}

TEST_F(GameFrame, SpriteRequestedDuringAFrameIsFirstUpdatedInTheNext) {
  startLevel(1);
  ProbeSprite* spawner = addProbe(world.osl, "spawner", 0, 0);
  ProbeSprite* child = nullptr;
  spawner->onUpdate = [&](ProbeSprite&) {
    if (child) return;
    child = new ProbeSprite("child", 0, 0, &log);
    world.requestAdd(world.addosprites, child);
  };
  frame();
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(child->updates, 0);
  EXPECT_THAT(namesIn(world.osl), ElementsAre("spawner", "child"));
  frame();
  EXPECT_EQ(child->updates, 1);
}

TEST_F(GameFrame, AddsLandAtTheFrontInOrderOrAtTheBackReversed) {
  startLevel(1);
  addProbe(world.esl, "old", 700, 0);
  addProbe(world.psl, "old", 10, 500);
  addProbe(world.osl, "old", 0, 0);
  for (const char* name : {"a", "b", "c"}) {
    world.requestAdd(world.addesprites, new ProbeSprite(name, 700, 0));
    world.requestAdd(world.addpsprites, new ProbeSprite(name, 10, 500));
    world.requestAdd(world.addosprites, new ProbeSprite(name, 0, 0));
  }
  frame();
  EXPECT_THAT(namesIn(world.esl), ElementsAre("a", "b", "c", "old"));
  EXPECT_THAT(namesIn(world.psl), ElementsAre("a", "b", "c", "old"));
  EXPECT_THAT(namesIn(world.osl), ElementsAre("old", "c", "b", "a"));
}

TEST_F(GameFrame, DeletesRunBeforeAddsSoAddedAndDeletedStays) {
  startLevel(1);
  ProbeSprite* doomed = addProbe(world.osl, "doomed", 0, 0);
  doomed->onUpdate = [&](ProbeSprite& self) { world.requestDelete(world.delosprites, &self); };
  auto* sprite = new ProbeSprite("both", 0, 0);
  world.requestAdd(world.addosprites, sprite);
  world.requestDelete(world.delosprites, sprite);
  frame();
  EXPECT_THAT(namesIn(world.osl), ElementsAre("both"));
  EXPECT_NE(canvas.findText("doomed"), nullptr);  // drawn in the frame in which it asked to go
}

// --- Player shots against the boss ------------------------------------------------------------

TEST_F(GameFrame, ShotThatTheBossTakesDoesOneDamageAndGoes) {
  FakeBoss& target = startLevel(1, 400, 100);
  addProbe(world.psl, "hit", 400, 100);
  addProbe(world.psl, "miss", 100, 300);
  frame();
  EXPECT_EQ(target.life, 99);
  EXPECT_EQ(target.damageCalls, 1);
  EXPECT_THAT(namesIn(world.psl), ElementsAre("miss"));
}

TEST_F(GameFrame, ShotOverlappingABossThatCannotBeHitFliesOn) {
  FakeBoss& target = startLevel(1, 400, 100);
  target.hittable = false;
  addProbe(world.psl, "shot", 400, 100);
  frame();
  EXPECT_EQ(target.life, 100);
  EXPECT_THAT(namesIn(world.psl), ElementsAre("shot"));
}

// --- Enemy shots against the ship -------------------------------------------------------------

TEST_F(GameFrame, EnemyShotTakesOneLifeAndFliesOn) {
  startLevel(1);
  makeShipNormal();
  addProbe(world.esl, "first", 400, 400, 5);
  addProbe(world.esl, "second", 401, 400, 5);
  frame();
  EXPECT_EQ(world.lifecount, 1);  // the second hit finds the ship already exploding
  EXPECT_EQ(world.nodeathbonus.getLostLife(), 1);
  EXPECT_STREQ(ship().state_name(), "destroy");
  EXPECT_EQ(world.esl.get_count(), 2);
}

TEST_F(GameFrame, EnemyShotsAreHarmlessOnceTheBossIsDead) {
  FakeBoss& target = startLevel(1);
  target.dead = true;
  makeShipNormal();
  addProbe(world.esl, "late", 400, 400, 5);
  frame();
  EXPECT_EQ(world.nodeathbonus.getLostLife(), 0);
  EXPECT_STREQ(ship().state_name(), "normal");
}

// --- Without a boss (before one exists for the level) -----------------------------------------

TEST_F(GameFrame, FrameWithoutABossRunsAsAFight) {
  startLevel(1);
  world.es.reset();
  makeShipNormal();
  addProbe(world.psl, "shot", 400, 100);
  addProbe(world.esl, "eshot", 400, 400, 5);
  hold(Key::X);
  frame();
  EXPECT_EQ(currentScreen(world), GameScreen::fight);
  EXPECT_THAT(namesIn(world.psl), ElementsAre("shot"));
  EXPECT_EQ(world.bombcount, 1);  // a boss that is not there is not dead
  EXPECT_EQ(world.esl.get_count(), 0);
  EXPECT_NE(canvas.findText("BOSS"), nullptr);
  EXPECT_EQ(canvas.count(DrawCall::Kind::Rectangle), 1u);  // the flash only, no life bar
}

// --- Moving the ship --------------------------------------------------------------------------

TEST_F(GameFrame, TwoDirectionsTogetherMoveDiagonally) {
  startLevel(1);
  hold(Key::Left);
  hold(Key::Up);
  frame();
  EXPECT_EQ(ship().get_x(), 397);
  EXPECT_EQ(ship().get_y(), 397);
  hold(Key::Right);  // opposite directions cancel
  frame();
  EXPECT_EQ(ship().get_x(), 397);
  EXPECT_EQ(ship().get_y(), 394);
}

TEST_F(GameFrame, ShipStopsExactlyOnEachEdge) {
  startLevel(1);
  hold(Key::Right);
  hold(Key::Down);
  frames(200);
  EXPECT_EQ(ship().get_x(), world.rc.right);
  EXPECT_EQ(ship().get_y(), world.rc.bottom);
  keys.held = {Key::Left, Key::Up};
  frames(300);
  EXPECT_EQ(ship().get_x(), 0);
  EXPECT_EQ(ship().get_y(), 0);
}

TEST_F(GameFrame, NoControlCountsWhileTheWindowIsBehind) {
  startLevel(1);
  makeShipNormal();
  world.windowfront = false;
  keys.held = {Key::Left, Key::Down, Key::Z, Key::X};
  frames(10);
  EXPECT_EQ(ship().get_x(), 400);
  EXPECT_EQ(ship().get_y(), 400);
  EXPECT_EQ(world.psl.get_count(), 0);
  EXPECT_EQ(world.bombcount, 2);
  EXPECT_FALSE(world.keyXpressed);
}

// --- The outcome ------------------------------------------------------------------------------

TEST_F(GameFrame, ClockRunsOnlyWhileFighting) {
  FakeBoss& target = startLevel(1);
  advanceSeconds(5);
  frame();
  EXPECT_EQ(world.ingametime, world.levelbegintime + 5);
  EXPECT_EQ(currentScreen(world), GameScreen::fight);
  target.dead = true;
  advanceSeconds(5);
  frame();
  EXPECT_EQ(world.ingametime, world.levelbegintime + 5);
  EXPECT_EQ(currentScreen(world), GameScreen::levelcleared);
}

TEST_F(GameFrame, GameOverComesBeforeAWonLevel) {
  FakeBoss& target = startLevel(5);
  target.dead = true;
  world.lifecount = -1;
  frame();
  EXPECT_EQ(currentScreen(world), GameScreen::gameover);
  EXPECT_NE(canvas.findText("GAME OVER"), nullptr);
  EXPECT_EQ(canvas.findText("Game Cleared!"), nullptr);
}

}  // namespace
