// Which boss each level starts with, and where.
#include <gtest/gtest.h>

#include "bosses/BossFactory.h"
#include "bosses/Enemy5.h"
#include "game/World.h"

TEST(BossFactory, EachLevelsBossStartsAtItsOwnPoint) {
  World world;
  const Rect rc{0, 0, 794, 571};
  struct Start {
    int level;
    double x;
    double y;
  };
  // Levels 4 and 5 start at half the field's width.
  for (const Start& s :
       {Start{1, 400, 100}, Start{2, 400, 200}, Start{3, 400, 200}, Start{4, 397, 180},
        Start{5, 397, 180}, Start{0, 400, 100}, Start{6, 400, 100}, Start{-3, 400, 100}}) {
    const auto boss = createBoss(s.level, rc);
    ASSERT_NE(boss, nullptr) << "level " << s.level;
    EXPECT_EQ(boss->get_x(), s.x) << "level " << s.level;
    EXPECT_EQ(boss->get_y(), s.y) << "level " << s.level;
  }
}

TEST(BossFactory, LevelOneAndUnknownLevelsGetTheLevelOneBoss) {
  World world;
  for (int level : {1, 0, 6, -3}) {
    EXPECT_STREQ(bossClassName(createBoss(level, world.rc).get()), "Enemy5Sprite") << level;
  }
}
