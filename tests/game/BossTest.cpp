// A hit beyond the last point, and where each level's boss starts.
#include <gtest/gtest.h>

#include <tuple>

#include "bosses/Boss.h"
#include "bosses/Enemy5.h"
#include "game/BossFactory.h"
#include "game/World.h"

TEST(Enemy5, AHeavyHitTakesLifeBelowZero) {
  World world;
  Enemy5Sprite boss(400, 100);
  ASSERT_TRUE(boss.damage(197));
  EXPECT_TRUE(boss.damage(5));
  EXPECT_EQ(boss.get_life(), -2);
  EXPECT_STREQ(boss.state_name(), "updatebreakup");
}

TEST(BossFactory, EachLevelsBossStartsAtItsOwnPoint) {
  World world;
  const Rect rc{0, 0, 794, 571};
  // Levels 4 and 5 start at half the field's width; unknown levels get the level-1 boss.
  const std::tuple<int, double, double> starts[] = {{1, 400, 100}, {2, 400, 200}, {3, 400, 200},
                                                    {4, 397, 180}, {5, 397, 180}, {0, 400, 100},
                                                    {6, 400, 100}};
  for (const auto& [level, x, y] : starts) {
    const auto boss = createBoss(level, rc);
    ASSERT_NE(boss, nullptr) << "level " << level;
    EXPECT_EQ(boss->get_x(), x) << "level " << level;
    EXPECT_EQ(boss->get_y(), y) << "level " << level;
  }
  EXPECT_STREQ(bossClassName(createBoss(4, rc).get()), "Enemy8Sprite");
  EXPECT_STREQ(bossClassName(createBoss(5, rc).get()), "Enemy9Sprite");
}
