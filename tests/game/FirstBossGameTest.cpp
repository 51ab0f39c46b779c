#include "GameTestSupport.h"
#include "game/GameScene.h"

// Whole games against the real level-1 boss, started from the title as a player would.
namespace {

class FirstBossGame : public GameSceneTest {
 protected:
  // From the title with no game in progress, "New Game" with Z, which is also the fire button;
  // then fights until the fight is over.
  void play(bool firing) {
    world.lifecount = -1;
    world.UB.title();
    hold(Key::Z);
    frame();
    ASSERT_EQ(currentScreen(world), GameScreen::fight);
    if (!firing) release(Key::Z);
    for (int n = 0; currentScreen(world) == GameScreen::fight && n < 100000; ++n) frame();
  }
};

TEST_F(FirstBossGame, UntouchableShipFiringWinsTheLevelAndSpaceStartsTheNext) {
  world.invincible = true;
  play(true);
  ASSERT_EQ(currentScreen(world), GameScreen::levelcleared);
  EXPECT_NE(canvas.findText("Level 1 Cleared!"), nullptr);
  EXPECT_EQ(world.score, world.bonusgiven.timebonus + 100000 + 100000 + 200000);
  hold(Key::Space);
  frame();
  EXPECT_EQ(world.UB.get_nowlevel(), 2);
  EXPECT_EQ(currentScreen(world), GameScreen::fight);
}

TEST_F(FirstBossGame, IdleShipIsShotDownAndSpaceRecordsTheGameWithLivesMinusOne) {
  play(false);
  ASSERT_EQ(currentScreen(world), GameScreen::gameover);
  EXPECT_EQ(world.nodeathbonus.getLostLife(), 3);
  EXPECT_EQ(canvas.findText("-1"), nullptr);  // the life symbol shows no number now
  hold(Key::Space);
  frame();
  EXPECT_EQ(currentScreen(world), GameScreen::title);
  EXPECT_EQ(savedBest().lives, -1);
}

}  // namespace
