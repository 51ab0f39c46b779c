#include "GameTestSupport.h"

namespace {

class Bombs : public GameSceneTest {
 protected:
  // The grey flash over the whole field, drawn first of all in the last frame.
  bool flashed() const {
    return !canvas.calls.empty() && canvas.calls[0].brush == Colorref{0x7F7F7F} &&
           canvas.calls[0].points == std::vector<Point>{{0, 0}, {world.rc.right, world.rc.bottom}};
  }
  void pressAgain() {
    release(Key::X);
    frame();
    hold(Key::X);
    frame();
  }
};

TEST_F(Bombs, OnePressOneBombFlashingFirstAndClearingOnlyTheEnemyShots) {
  hold(Key::X);
  frame();
  EXPECT_TRUE(flashed());  // with no enemy shot on screen as well
  frames(20);
  EXPECT_FALSE(flashed());  // held down: nothing more
  EXPECT_EQ(world.bombcount, 1);
  addProbe(world.esl, "eshot", 100, 100);
  addProbe(world.psl, "pshot", 10, 500);
  addProbe(world.osl, "effect", 0, 0);
  pressAgain();
  EXPECT_TRUE(flashed());
  EXPECT_EQ(canvas.findText("eshot"), nullptr);  // gone before the enemy shots are walked
  EXPECT_EQ(world.esl.get_count(), 0);
  EXPECT_EQ(world.psl.get_count() + world.osl.get_count(), 2);
  EXPECT_EQ(world.bombcount, 0);
  pressAgain();
  EXPECT_FALSE(flashed());
  world.bombcount = 1;  // the empty press stays used up while the button is held
  frame();
  EXPECT_FALSE(flashed());
}

TEST_F(Bombs, OnceTheBossIsDeadNeitherBombsNorEnemyShotsDoAnything) {
  boss().dead = true;
  makeShipNormal();
  addProbe(world.esl, "eshot", 400, 400, 5);
  hold(Key::X);
  frame();
  EXPECT_FALSE(flashed());
  EXPECT_EQ(world.bombcount, 2);
  EXPECT_EQ(world.esl.get_count(), 1);
  EXPECT_EQ(world.nodeathbonus.getLostLife(), 0);
  boss().dead = false;  // the press stays used up while the button is held
  frame();
  EXPECT_FALSE(flashed());
}

}  // namespace
