// The level-2 boss choosing a course with no direction, which no fight is sure to do.
#include <gtest/gtest.h>

#include "bosses/Enemy6.h"
#include "game/World.h"
#include "support/ShotLog.h"

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
