#include <gtest/gtest.h>

#include "GameTestSupport.h"
#include "game/Bomb.h"
#include "game/PlayerLoss.h"

namespace {

class Bombs : public GameSceneTest {
 protected:
  // The grey full-field flash among the canvas calls of the last frame.
  bool flashed() const {
    for (const DrawCall& call : canvas.calls) {
      if (call.kind == DrawCall::Kind::Rectangle && call.brush == Colorref{0x7F7F7F}) return true;
    }
    return false;
  }
};

TEST_F(Bombs, FlashUnderEverythingElseClearsEnemyShotsOnly) {
  startLevel(1);
  for (int i = 0; i < 5; ++i) addProbe(world.esl, "eshot", 100, 100);
  addProbe(world.psl, "pshot", 10, 500);
  addProbe(world.osl, "effect", 0, 0);
  hold(Key::X);
  frame();
  ASSERT_FALSE(canvas.calls.empty());
  const DrawCall& first = canvas.calls.front();
  EXPECT_EQ(first.kind, DrawCall::Kind::Rectangle);
  EXPECT_EQ(first.points, (std::vector<Point>{{0, 0}, {world.rc.right, world.rc.bottom}}));
  EXPECT_FALSE(first.pen.has_value());
  EXPECT_EQ(first.brush, Colorref{0x7F7F7F});
  EXPECT_EQ(canvas.findText("eshot"), nullptr);  // gone before the enemy shots are walked
  EXPECT_EQ(world.esl.get_count(), 0);
  EXPECT_EQ(world.psl.get_count(), 1);
  EXPECT_EQ(world.osl.get_count(), 1);
  EXPECT_EQ(boss().life, 100);
}

TEST_F(Bombs, OnePressOneBombUntilNoneAreLeft) {
  startLevel(1);
  hold(Key::X);
  frame();
  EXPECT_TRUE(flashed());
  frames(20);  // held down: nothing more
  EXPECT_FALSE(flashed());
  EXPECT_EQ(world.bombcount, 1);
  release(Key::X);
  frame();
  hold(Key::X);
  frame();
  EXPECT_TRUE(flashed());
  EXPECT_EQ(world.bombcount, 0);
  release(Key::X);
  frame();
  hold(Key::X);
  frame();
  EXPECT_FALSE(flashed());
  EXPECT_EQ(world.bombcount, 0);
}

TEST_F(Bombs, FlashesEvenWithNoEnemyShots) {
  startLevel(1);
  hold(Key::X);
  frame();
  EXPECT_TRUE(flashed());
  EXPECT_EQ(world.bombcount, 1);
}

TEST_F(Bombs, PressAfterTheBossIsDeadIsUsedUpWithoutEffect) {
  startLevel(1).dead = true;
  addProbe(world.esl, "eshot", 100, 100);
  hold(Key::X);
  frame();
  EXPECT_FALSE(flashed());
  EXPECT_EQ(world.bombcount, 2);
  EXPECT_EQ(world.esl.get_count(), 1);
  boss().dead = false;  // the press stays used up while the button is held
  frame();
  EXPECT_FALSE(flashed());
}

// --- Losing the ship --------------------------------------------------------------------------

class ShipLoss : public GameSceneTest {};

TEST_F(ShipLoss, HitsWhileNotNormalChangeNothing) {
  startLevel(1);
  EXPECT_STREQ(ship().state_name(), "regen");
  destroyplayer(world);
  EXPECT_EQ(world.lifecount, 2);
  EXPECT_EQ(world.nodeathbonus.getLostLife(), 0);
  makeShipNormal();
  destroyplayer(world);
  EXPECT_EQ(world.lifecount, 1);
  for (const char* expected : {"destroy", "wait"}) {
    while (std::string(ship().state_name()) == expected && ship().get_count() < 60) {
      destroyplayer(world);
      ship().update();
    }
  }
  EXPECT_EQ(world.lifecount, 1);
  EXPECT_EQ(world.nodeathbonus.getLostLife(), 1);
}

TEST_F(ShipLoss, LastLifeEndsTheGameWithoutABombTopUp) {
  startLevel(1);
  world.lifecount = 0;
  world.bombcount = 0;
  makeShipNormal();
  destroyplayer(world);
  EXPECT_EQ(world.lifecount, -1);
  EXPECT_EQ(world.bombcount, 0);
  EXPECT_TRUE(ship().is_gameover());
  EXPECT_EQ(world.nodeathbonus.getLostLife(), 1);
}

TEST_F(ShipLoss, NextShipHasAtLeastOneBomb) {
  startLevel(1);
  world.bombcount = 0;
  makeShipNormal();
  destroyplayer(world);
  EXPECT_EQ(world.bombcount, 1);
  EXPECT_FALSE(ship().is_gameover());
  world.bombcount = 2;
  makeShipNormal();
  destroyplayer(world);
  EXPECT_EQ(world.bombcount, 2);
  EXPECT_EQ(world.lifecount, 0);
}

}  // namespace
