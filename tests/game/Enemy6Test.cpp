// The level-2 boss: its ring refusing a gap out of range, and a course with no direction.
#include <gtest/gtest.h>

#include <vector>

#include "bosses/Enemy6.h"
#include "game/World.h"
#include "support/ShotLog.h"

TEST(Enemy6Image, UnfoldOutsideZeroToHundredIsRefusedAndLeavesTheRingAsItWas) {
  Enemy6Image ring;
  ASSERT_TRUE(ring.unfold(37));
  const auto points = [&] {
    std::vector<double> xy;
    for (int i = 0; i < ring.get_body().size(); ++i) {
      double x = 0, y = 0;
      ring.get_body().get_xy(i, 0, 1, &x, &y);
      xy.insert(xy.end(), {x, y});
    }
    return xy;
  };
  const auto before = points();
  EXPECT_FALSE(ring.unfold(-1));
  EXPECT_FALSE(ring.unfold(101));
  EXPECT_EQ(points(), before);
  EXPECT_EQ(ring.gap(), 37);
  // Fully open, the gap is 20 pixels wide between the points of the bottom side.
  ASSERT_TRUE(ring.unfold(100));
  const auto open = points();
  EXPECT_NEAR(open[14] - open[0], 20.0, 1e-4);
  EXPECT_NEAR(open[1], 34.641, 1e-3);
}

// A course chosen towards the boss's own position has no direction: the boss keeps standing.
TEST(Enemy6Course, TowardsItsOwnPositionLeavesTheBossStill) {
  World world;
  Random draws;
  const int tx = draws.rand() % (world.rc.right - 1) + 1;
  const int ty = (draws.rand() % (world.rc.bottom - 1) + 1) / 2;
  Enemy6Sprite boss(tx, ty);
  for (int count = 1; count <= 61; ++count) boss.update();
  EXPECT_EQ(boss.get_vx(), 0.0);
  EXPECT_EQ(boss.get_vy(), 0.0);
  EXPECT_EQ(boss.get_x(), tx);
  EXPECT_EQ(boss.get_y(), ty);
  ShotLog().take(world);
}
