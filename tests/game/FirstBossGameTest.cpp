#include <gtest/gtest.h>

#include "GameTestSupport.h"
#include "game/GameScene.h"

// Whole games against the real level-1 boss, started from the title as a player would.
namespace {

class FirstBossGame : public GameSceneTest {
 protected:
  // From the title: "New Game" with Z, which is also the fire button.
  void startFromTitle() {
    hold(Key::Z);
    frame();
    ASSERT_EQ(currentScreen(world), GameScreen::fight);
  }
  // Frames until the screen changes from the fight, at most `limit`.
  int fightUntilOver(int limit) {
    int n = 0;
    while (currentScreen(world) == GameScreen::fight && n < limit) {
      frame();
      ++n;
    }
    return n;
  }
};

TEST_F(FirstBossGame, UntouchableShipFiringWinsTheLevelAndMovesOn) {
  world.invincible = true;
  startFromTitle();
  const int frameCount = fightUntilOver(100000);
  ASSERT_EQ(currentScreen(world), GameScreen::levelcleared) << "after " << frameCount;
  EXPECT_EQ(world.es->get_life(), 0);
  EXPECT_NE(canvas.findText("Level 1 Cleared!"), nullptr);
  EXPECT_NE(canvas.findText("No Death bonus: 200,000 "), nullptr);
  const int seconds = static_cast<int>(world.ingametime - world.levelbegintime);
  EXPECT_EQ(world.bonusgiven.timebonus, seconds < 60 ? 100000 - 100000 * seconds / 60 : 0);
  EXPECT_EQ(world.score, world.bonusgiven.timebonus + 100000 + 100000 + 200000);
  hold(Key::Space);
  frame();
  EXPECT_EQ(world.UB.get_nowlevel(), 2);
  EXPECT_EQ(currentScreen(world), GameScreen::fight);
  EXPECT_EQ(world.esl.get_count() + world.psl.get_count(), 0);
}

TEST_F(FirstBossGame, IdleShipIsShotDownAndTheGameEnds) {
  startFromTitle();
  release(Key::Z);
  const int frameCount = fightUntilOver(100000);
  ASSERT_EQ(currentScreen(world), GameScreen::gameover) << "after " << frameCount;
  EXPECT_EQ(world.lifecount, -1);
  EXPECT_EQ(world.nodeathbonus.getLostLife(), 3);
  EXPECT_EQ(world.bombcount, 2);  // never used, never topped up past what was there
  frames(200);                    // the boss keeps attacking under the game-over screen
  EXPECT_STREQ(ship().state_name(), "wait");
  EXPECT_EQ(currentScreen(world), GameScreen::gameover);
  hold(Key::Space);
  frame();
  EXPECT_EQ(currentScreen(world), GameScreen::title);
  ASSERT_EQ(world.highscores.size(), 1u);
  EXPECT_EQ(world.highscores.best(1)[0].lives, -1);
}

}  // namespace
