#include <gtest/gtest.h>

#include "GameTestSupport.h"

namespace {

class PlayerShip : public GameSceneTest {
 protected:
  // The frame numbers, counted from 1, in which a shot was requested while fire is held.
  std::vector<int> shotFrames(int frameCount) {
    std::vector<int> fired;
    for (int i = 1; i <= frameCount; ++i) {
      const int before = world.psl.get_count();
      frame();
      if (world.psl.get_count() > before) fired.push_back(i);
    }
    return fired;
  }
};

TEST_F(PlayerShip, FirstShotInTheFourthFrameAfterTurningNormalThenEveryThird) {
  startLevel(1);
  hold(Key::Z);
  // A new ship regenerates for 91 frames: no shot, and normal at the end of the 91st.
  frames(90);
  EXPECT_STREQ(ship().state_name(), "regen");
  frame();
  EXPECT_STREQ(ship().state_name(), "normal");
  EXPECT_EQ(world.psl.get_count(), 0);
  EXPECT_EQ(shotFrames(10), (std::vector<int>{4, 7, 10}));
}

TEST_F(PlayerShip, LossTakesThreeThenSixtyOneThenNinetyOneFrames) {
  startLevel(1);
  makeShipNormal();
  ASSERT_TRUE(ship().destroy(3));
  frames(3);
  EXPECT_EQ(world.osl.get_count(), 3);  // one blast per exploding frame
  EXPECT_STREQ(ship().state_name(), "wait");
  frames(60);
  EXPECT_STREQ(ship().state_name(), "wait");
  frame();
  EXPECT_STREQ(ship().state_name(), "regen");
  frames(90);
  EXPECT_STREQ(ship().state_name(), "regen");
  frame();
  EXPECT_STREQ(ship().state_name(), "normal");
}

TEST_F(PlayerShip, NeitherDrawnNorMovedWhileExplodingOrWaiting) {
  startLevel(1);
  makeShipNormal();
  ASSERT_TRUE(ship().destroy(3));
  hold(Key::Left);
  for (int i = 0; i < 64; ++i) {
    frame();
    EXPECT_EQ(ship().get_x(), 400) << "frame " << i + 1;
  }
  EXPECT_STREQ(ship().state_name(), "regen");
  frame();
  EXPECT_EQ(ship().get_x(), 397);  // it comes back where it was lost, and moves again
}

TEST_F(PlayerShip, AfterTheGameEndsTheShipWaitsForGood) {
  startLevel(1);
  makeShipNormal();
  ASSERT_TRUE(ship().destroy(3));
  ship().endgame();
  int highestCount = 0;
  for (int i = 0; i < 500; ++i) {
    frame();
    EXPECT_STREQ(ship().state_name(), i < 2 ? "destroy" : "wait");
    highestCount = std::max(highestCount, ship().get_count());
  }
  EXPECT_EQ(highestCount, 60);  // counts 0 to 60, then 61 sets it back to 0
}

}  // namespace
