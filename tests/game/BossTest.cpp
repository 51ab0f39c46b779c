// How every boss dies, a hit beyond the last point, and where each level's boss starts.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <tuple>

#include "bosses/Boss.h"
#include "bosses/BossFactory.h"
#include "bosses/Enemy5.h"
#include "bosses/Enemy6.h"
#include "bosses/Enemy7.h"
#include "bosses/Enemy8.h"
#include "bosses/Enemy9.h"
#include "game/World.h"
#include "support/RecordingCanvas.h"
#include "support/ShotLog.h"

namespace {

// The level-3 boss past its triangle and the unfolding, at the first frame of its wheel.
std::unique_ptr<Boss> wheelOfBlades() {
  auto boss = std::make_unique<Enemy7Sprite>(400, 200);
  boss->damage(boss->get_life());
  World& world = World::current();
  while (boss->get_state() != &Enemy7Sprite::updatenormal) {
    boss->update();
    for (MySprite* effect = nullptr; world.addosprites.pop(effect);) delete effect;
  }
  return boss;
}

}  // namespace

TEST(Enemy5, AHeavyHitTakesLifeBelowZero) {
  World world;
  Enemy5Sprite boss(400, 100);
  ASSERT_TRUE(boss.damage(197));
  EXPECT_TRUE(boss.damage(5));
  EXPECT_EQ(boss.get_life(), -2);
  EXPECT_STREQ(boss.state_name(), "updatebreakup");
}

// The hit that takes the last point starts the break-up frames, then the frames with one large
// blast each (unseen, but for the wheel of blades and the level-4 boss), then the boss is dead
// for good; all the while in place, silent and unhurt.
TEST(BossDeath, LastPointBreaksItUpExplodesThenItIsDead) {
  struct Case {
    const char* name;
    std::function<std::unique_ptr<Boss>()> make;
    int breakupFrames;
    int destroyFrames;
    bool seenWhileExploding = false;
  };
  const Case cases[] = {
      {"Enemy5Sprite", [] { return std::make_unique<Enemy5Sprite>(400, 100); }, 61, 5},
      {"Enemy6Sprite", [] { return std::make_unique<Enemy6Sprite>(400, 200); }, 61, 5},
      {"Enemy7Sprite", wheelOfBlades, 81, 7, true},
      {"Enemy8Sprite", [] { return std::make_unique<Enemy8Sprite>(397, 180); }, 151, 7, true},
      {"Enemy9Sprite", [] { return std::make_unique<Enemy9Sprite>(397, 180); }, 201, 9},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    World world;
    ShotLog shots;
    const auto boss = c.make();
    int effects = 0;
    const auto step = [&] {
      boss->update();
      for (MySprite* effect = nullptr; world.addosprites.pop(effect); ++effects) delete effect;
      return shots.take(world).size();
    };
    for (int i = 0; i < 7; ++i) step();
    const auto where = [&] { return std::pair(boss->get_x(), boss->get_y()); };
    const auto lastPosition = where();
    const auto drawn = [&] {
      RecordingCanvas canvas;
      boss->draw(canvas);
      return !canvas.calls.empty();
    };
    EXPECT_TRUE(drawn());
    ASSERT_TRUE(boss->damage(boss->get_life() - 1));
    EXPECT_TRUE(boss->damage(1));
    EXPECT_STREQ(boss->state_name(), "updatebreakup");
    EXPECT_EQ(boss->get_count(), 0);
    const int dying = c.breakupFrames + c.destroyFrames;
    for (int frame = 1; frame <= dying; ++frame) {
      EXPECT_FALSE(boss->damage(1)) << "before update " << frame;
      EXPECT_FALSE(boss->isdead()) << "before update " << frame;
      if (frame == c.breakupFrames + 1) effects = 0;  // from here one large blast a frame
      EXPECT_EQ(step(), 0u) << frame;
      EXPECT_EQ(where(), lastPosition) << frame;
      const int seenUntil = c.seenWhileExploding ? dying : c.breakupFrames;
      EXPECT_EQ(drawn(), frame < seenUntil) << "after update " << frame;
    }
    EXPECT_TRUE(boss->isdead());
    for (int i = 0; i < 50; ++i) step();
    EXPECT_TRUE(boss->isdead());
    EXPECT_EQ(effects, c.destroyFrames);
    EXPECT_EQ(boss->get_life(), 0);
  }
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
