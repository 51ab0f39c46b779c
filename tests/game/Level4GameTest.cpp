#include "GameTestSupport.h"
#include "bosses/Boss.h"
#include "bosses/Enemy8.h"
#include "game/GameScene.h"

// Games through level 4, whose boss owns satellites in the list of other sprites: leaving the level
// must take the satellites along and leave nothing that names them. Won, it leads on to level 5 as
// the golden whole game shows; lost, the next game starts from the title.
namespace {

class Level4Game : public GameSceneTest {
 protected:
  // Level 4 reached from level 3, as a won level leads on; the satellites join at the first frame.
  void enterLevel4() {
    session.UB.nowlevel = 3;
    world.UB->nextlevel();
    ASSERT_STREQ(bossClassName(world.es.get()), "Enemy8Sprite");
    frame();
    ASSERT_EQ(satellites(), 8);
  }

  int satellites() const {
    int n = 0;
    for (SpriteNode* node = world.osl.get_first(); node; node = node->get_next()) {
      n += dynamic_cast<Enemy8childSprite*>(node->get_vec()) != nullptr;
    }
    return n;
  }

  // The next level or game has begun with nothing of level 4 left, and plays on.
  void expectLevel4Gone(int level, const char* bossClass) {
    EXPECT_EQ(currentScreen(world), GameScreen::fight);
    EXPECT_EQ(world.UB->get_nowlevel(), level);
    EXPECT_STREQ(bossClassName(world.es.get()), bossClass);
    EXPECT_EQ(satellites(), 0);
    EXPECT_TRUE(world.delosprites.empty());
    frames(300);
    EXPECT_EQ(satellites(), 0);
  }
};

// Shot down in level 4, back to the title, and from there "New Game" or "Continue".
TEST_F(Level4Game, GameOverThenNewGameOrContinueStartsWithoutTheSatellites) {
  struct Case {
    const char* entry;
    int downs;
    int level;
    const char* bossClass;
  };
  for (const Case& c :
       {Case{"New Game", 0, 1, "Enemy5Sprite"}, Case{"Continue", 1, 5, "Enemy9Sprite"}}) {
    SCOPED_TRACE(c.entry);
    enterLevel4();
    framesWhile([&] { return currentScreen(world) == GameScreen::fight; });
    ASSERT_EQ(currentScreen(world), GameScreen::gameover);
    hold(Key::Space);
    frame();
    release(Key::Space);
    ASSERT_EQ(currentScreen(world), GameScreen::title);
    EXPECT_EQ(satellites(), 8);  // the lists keep what the game left until the next one starts
    world.selected = 0;
    for (int i = 0; i < c.downs; ++i) press(Key::Down);
    hold(Key::Z);
    frame();
    release(Key::Z);
    expectLevel4Gone(c.level, c.bossClass);
    EXPECT_EQ(world.lifecount, 2);
  }
}

}  // namespace
