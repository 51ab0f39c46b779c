// The life and death that every boss shares: which hits count, the two death stages with their
// explosions, and when the boss counts as dead.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "bosses/BossLifecycle.h"
#include "bosses/Enemy5.h"
#include "game/BlastSprite.h"
#include "game/World.h"
#include "support/RecordingCanvas.h"

namespace {

class Enemy5Death : public ::testing::Test {
 protected:
  // Flies a few frames so the boss is somewhere on its circle, then clears what it fired.
  void SetUp() override {
    for (int frame = 0; frame < 7; ++frame) boss.update();
    dropFired();
  }

  void dropFired() {
    MySprite* shot = nullptr;
    while (world.addesprites.pop(shot)) delete shot;
  }

  // Commits this frame's explosions to the other sprites; returns how many there were.
  int commitBlasts() {
    int added = 0;
    MySprite* blast = nullptr;
    while (world.addosprites.pop(blast)) {
      EXPECT_NE(dynamic_cast<BlastSprite*>(blast), nullptr);
      world.osl.push_last(blast);
      ++added;
    }
    return added;
  }

  void kill() {
    ASSERT_TRUE(boss.damage(boss.get_life()));
    ASSERT_STREQ(boss.state_name(), "updatebreakup");
  }

  std::size_t polygonsDrawn() {
    RecordingCanvas canvas;
    boss.draw(canvas);
    return canvas.count(DrawCall::Kind::Polygon);
  }

  World world;
  Enemy5Sprite boss{400, 100};
};

// The width of an explosion at full size (age 62), and its centre.
struct BlastExtent {
  int width;
  int centreX;
};
BlastExtent fullGrown(BlastSprite& blast) {
  while (blast.get_age() < BlastSprite::kLastAge) blast.update();
  RecordingCanvas canvas;
  blast.draw(canvas);
  const DrawCall& disc = canvas.calls.at(0);
  // Point 0 of the disc points right, point 10 left.
  return {disc.points.at(0).x - disc.points.at(10).x,
          (disc.points.at(0).x + disc.points.at(10).x) / 2};
}

}  // namespace

// --- Damage
// ---------------------------------------------------------------------------------------

TEST_F(Enemy5Death, TheHitThatTakesTheLastPointStartsTheBreakUpAndLaterHitsAreRefused) {
  ASSERT_TRUE(boss.damage(199));
  EXPECT_EQ(boss.get_life(), 1);
  EXPECT_STREQ(boss.state_name(), "updatenormal");

  EXPECT_TRUE(boss.damage(1));
  EXPECT_EQ(boss.get_life(), 0);
  EXPECT_STREQ(boss.state_name(), "updatebreakup");
  EXPECT_EQ(boss.get_count(), 0);

  EXPECT_FALSE(boss.damage(1));
  boss.update();
  EXPECT_FALSE(boss.damage(1));
  EXPECT_EQ(boss.get_life(), 0);
}

TEST_F(Enemy5Death, AHeavyHitTakesLifeBelowZero) {
  ASSERT_TRUE(boss.damage(197));
  EXPECT_TRUE(boss.damage(5));
  EXPECT_EQ(boss.get_life(), -2);
  EXPECT_STREQ(boss.state_name(), "updatebreakup");
}

// --- Death stages
// ---------------------------------------------------------------------------------

TEST_F(Enemy5Death, Runs61BreakUpAnd5DestroyFramesThenWaitsDead) {
  kill();
  for (int frame = 1; frame <= 66; ++frame) {
    EXPECT_FALSE(boss.isdead()) << "before frame " << frame;
    boss.update();
    commitBlasts();
    const char* expected = frame < 61   ? "updatebreakup"
                           : frame < 66 ? "updatedestroy"
                                        : "updatewait";
    EXPECT_STREQ(boss.state_name(), expected) << "after frame " << frame;
  }
  EXPECT_TRUE(boss.isdead());
  EXPECT_EQ(boss.get_count(), 5);
  for (int frame = 0; frame < 50; ++frame) boss.update();
  EXPECT_TRUE(boss.isdead());
  EXPECT_EQ(commitBlasts(), 0);
}

TEST_F(Enemy5Death, BreakUpScattersSmallBlastsAndDestroyFiveLargeOnesNearTheBoss) {
  kill();
  std::vector<BlastSprite*> small;
  for (int frame = 0; frame < 61; ++frame) {
    boss.update();
    const int added = commitBlasts();
    ASSERT_LE(added, 1);
    if (added == 1) small.push_back(dynamic_cast<BlastSprite*>(world.osl.get_last()->get_vec()));
  }
  // Each frame has one chance in five; the game's fixed sequence of numbers gives some.
  EXPECT_FALSE(small.empty());
  const int before = world.osl.get_count();
  std::vector<BlastSprite*> large;
  for (int frame = 0; frame < 5; ++frame) {
    boss.update();
    ASSERT_EQ(commitBlasts(), 1) << "one large explosion every destroy frame";
    large.push_back(dynamic_cast<BlastSprite*>(world.osl.get_last()->get_vec()));
  }
  EXPECT_EQ(world.osl.get_count() - before, 5);

  const int bossX = static_cast<int>(boss.get_x());
  for (BlastSprite* blast : large) {
    const BlastExtent extent = fullGrown(*blast);
    EXPECT_GE(extent.width, 2 * 80 - 1);
    EXPECT_LE(extent.width, 2 * 100 + 1);
    EXPECT_LE(std::abs(extent.centreX - bossX), 21);
  }
  for (BlastSprite* blast : small) {
    const BlastExtent extent = fullGrown(*blast);
    EXPECT_GE(extent.width, 2 * 20 - 1);
    EXPECT_LE(extent.width, 2 * 40 + 1);
  }
}

TEST_F(Enemy5Death, NeitherMovesNorFiresWhileDying) {
  const double x = boss.get_x();
  const double y = boss.get_y();
  kill();
  for (int frame = 0; frame < 80; ++frame) {
    boss.update();
    commitBlasts();
    EXPECT_EQ(boss.get_x(), x);
    EXPECT_EQ(boss.get_y(), y);
    EXPECT_EQ(world.addesprites.size(), 0);
  }
}

TEST_F(Enemy5Death, IsDrawnWhileFightingAndBreakingUpOnly) {
  EXPECT_EQ(polygonsDrawn(), 1u);
  kill();
  EXPECT_EQ(polygonsDrawn(), 1u);
  for (int frame = 0; frame < 61; ++frame) boss.update();
  ASSERT_STREQ(boss.state_name(), "updatedestroy");
  EXPECT_EQ(polygonsDrawn(), 0u);
  for (int frame = 0; frame < 5; ++frame) boss.update();
  ASSERT_TRUE(boss.isdead());
  EXPECT_EQ(polygonsDrawn(), 0u);
  commitBlasts();
}

// --- The lifecycle with another boss's numbers
// ----------------------------------------------------

namespace {

// A boss that can be hurt only while charging, dies in 3 + 2 frames with large explosions of 90
// to 120, and never moves: the shape later bosses take.
class ChargingBoss : public BossLifecycle<ChargingBoss> {
 public:
  ChargingBoss() : BossLifecycle(10, &ChargingBoss::updatenormal, {3, 2, 90, 31}) {}
  void draw(Canvas&) override {}
  double get_x() const override { return 300; }
  double get_y() const override { return 200; }
  int get_hitsize() const override { return 20; }
  const char* class_name() const override { return "ChargingBoss"; }

  void updatenormal() { state = &ChargingBoss::updatecharge; }
  void updatecharge() {}

 protected:
  bool damageCounts() const override { return in(&ChargingBoss::updatecharge); }
  const char* fightingStateName() const override {
    return in(&ChargingBoss::updatecharge) ? "updatecharge" : "updatenormal";
  }
};

}  // namespace

TEST(BossLifecycle, DamageCountsOnlyInTheStatesTheBossNames) {
  World world;
  ChargingBoss boss;
  EXPECT_FALSE(boss.damage(3));
  EXPECT_EQ(boss.get_life(), 10);
  boss.update();
  EXPECT_STREQ(boss.state_name(), "updatecharge");
  EXPECT_TRUE(boss.damage(3));
  EXPECT_EQ(boss.get_life(), 7);
}

TEST(BossLifecycle, StageLengthsAndExplosionSizesComeFromTheBoss) {
  World world;
  ChargingBoss boss;
  boss.update();
  ASSERT_TRUE(boss.damage(10));
  for (int frame = 0; frame < 3; ++frame) boss.update();
  EXPECT_STREQ(boss.state_name(), "updatedestroy");

  MySprite* blast = nullptr;
  while (world.addosprites.pop(blast)) delete blast;
  boss.update();
  boss.update();
  EXPECT_TRUE(boss.isdead());
  ASSERT_EQ(world.addosprites.size(), 2);
  while (world.addosprites.pop(blast)) {
    std::unique_ptr<BlastSprite> large(dynamic_cast<BlastSprite*>(blast));
    ASSERT_NE(large, nullptr);
    const BlastExtent extent = fullGrown(*large);
    EXPECT_GE(extent.width, 2 * 90 - 1);
    EXPECT_LE(extent.width, 2 * 120 + 1);
  }
}

TEST(BossLifecycle, NamesReachTheSceneThroughTheEnemyInterface) {
  World world;
  std::unique_ptr<EnemyBaseSprite> es = std::make_unique<Enemy5Sprite>(400, 100);
  EXPECT_STREQ(bossClassName(es.get()), "Enemy5Sprite");
  EXPECT_STREQ(bossStateName(es.get()), "updatenormal");
  es->damage(200);
  EXPECT_STREQ(bossStateName(es.get()), "updatebreakup");
  EXPECT_STREQ(bossClassName(nullptr), "");
  EXPECT_STREQ(bossStateName(nullptr), "");
}
