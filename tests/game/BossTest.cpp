// How every boss dies; the level-1 boss: where it flies and when it fires what; and where each
// level's boss starts.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <tuple>
#include <vector>

#include "bosses/Boss.h"
#include "bosses/BossFactory.h"
#include "bosses/Enemy5.h"
#include "bosses/Enemy6.h"
#include "bosses/Enemy7.h"
#include "bosses/Enemy8.h"
#include "game/World.h"
#include "support/RecordingCanvas.h"
#include "weapons/StraightLasers.h"

namespace {

class Enemy5 : public ::testing::Test {
 protected:
  // Updates the boss once and puts its shots in the list, as the frame would; how many it fired.
  int step() {
    boss.update();
    ++framesRun;
    int shots = 0;
    for (MySprite* shot = nullptr; world.addesprites.pop(shot); ++shots) world.esl.push_first(shot);
    return shots;
  }
  // Runs on, noting the frames (counted from the first update) with a single laser, and with a
  // fan of nine (with or without a single one beside it).
  void run(int frames) {
    for (int i = 0; i < frames; ++i) {
      const int fired = step();
      if (fired % 9 == 1) starFrames.push_back(framesRun);
      if (fired >= 9) fanFrames.push_back(framesRun);
    }
  }

  World world;
  Enemy5Sprite boss{400, 100};
  int framesRun = 0;
  std::vector<int> starFrames;
  std::vector<int> fanFrames;
};

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

TEST_F(Enemy5, AHeavyHitTakesLifeBelowZero) {
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
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    World world;
    const auto boss = c.make();
    const auto step = [&] {
      boss->update();
      int shots = 0;
      for (MySprite* shot = nullptr; world.addesprites.pop(shot); ++shots) delete shot;
      return shots;
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
    int breakupBlasts = 0;
    for (int frame = 1; frame <= dying; ++frame) {
      EXPECT_FALSE(boss->damage(1)) << "before update " << frame;
      EXPECT_FALSE(boss->isdead()) << "before update " << frame;
      EXPECT_EQ(step(), 0) << frame;
      if (frame == c.breakupFrames) breakupBlasts = world.addosprites.size();
      EXPECT_EQ(where(), lastPosition) << frame;
      const int seenUntil = c.seenWhileExploding ? dying : c.breakupFrames;
      EXPECT_EQ(drawn(), frame < seenUntil) << "after update " << frame;
    }
    EXPECT_TRUE(boss->isdead());
    for (int i = 0; i < 50; ++i) step();
    EXPECT_TRUE(boss->isdead());
    EXPECT_EQ(world.addosprites.size() - breakupBlasts, c.destroyFrames);
    EXPECT_EQ(boss->get_life(), 0);
  }
}

TEST_F(Enemy5, FliesTo439_101FirstThenAtFullLifeFiresSinglesEvery22AndFansAt50And100) {
  run(1);
  EXPECT_EQ(boss.get_x(), 439);
  EXPECT_EQ(boss.get_y(), 101);
  run(199);
  EXPECT_EQ(starFrames, (std::vector<int>{22, 44, 66, 88, 122, 144, 166, 188}));
  EXPECT_EQ(fanFrames, (std::vector<int>{50, 100, 150, 200}));
}

TEST_F(Enemy5, At150LifeFansAt45_90_135AndTheCountStartsOverAt135) {
  ASSERT_TRUE(boss.damage(50));
  run(136);
  EXPECT_EQ(fanFrames, (std::vector<int>{45, 90, 135}));
  EXPECT_EQ(boss.get_count(), 1);
}

// A fan at count 50 at full life; then at 50 life points fans come every 35 frames, faster.
TEST_F(Enemy5, FanIsNineLasersFromTheBossInOrderFallingFasterAsLifeRunsDown) {
  const auto expectFan = [&](double speed) {
    ASSERT_EQ(step(), 9);
    SpriteNode* node = world.esl.get_first();
    for (double vx : {0, 2, -2, 4, -4, 6, -6, 8, -8}) {
      auto* shot = dynamic_cast<EnemyLLSprite*>(node->get_vec());
      ASSERT_NE(shot, nullptr);
      shot->update();  // from the boss's centre, one step of its velocity
      EXPECT_EQ(shot->get_x(), boss.get_x() + vx);
      EXPECT_EQ(shot->get_y(), boss.get_y() + speed);
      node = node->get_next();
    }
  };
  run(49);
  expectFan(2);
  ASSERT_TRUE(boss.damage(150));
  run(54);
  expectFan(5);  // at count 105
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
