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

// The width of an explosion grown to full size (its size argument is the radius).
int fullWidth(BlastSprite& blast) {
  while (blast.get_age() < BlastSprite::kLastAge) blast.update();
  RecordingCanvas canvas;
  blast.draw(canvas);
  return canvas.calls.at(0).points.at(0).x - canvas.calls.at(0).points.at(10).x;
}

class BossDeath : public ::testing::Test {
 protected:
  // Flies a few frames so the boss is somewhere on its circle, then drops what it fired.
  void SetUp() override {
    for (int frame = 0; frame < 7; ++frame) boss.update();
    MySprite* shot = nullptr;
    while (world.addesprites.pop(shot)) delete shot;
  }

  // Requests still pending belong to no list; hand them to one so they are freed.
  void TearDown() override {
    MySprite* sprite = nullptr;
    while (world.addosprites.pop(sprite)) world.osl.push_last(sprite);
    while (world.addesprites.pop(sprite)) world.esl.push_first(sprite);
  }

  // Commits this frame's explosions to the other sprites; the newest, or null.
  BlastSprite* commitBlasts() {
    EXPECT_LE(world.addosprites.size(), 1);
    BlastSprite* newest = nullptr;
    MySprite* blast = nullptr;
    while (world.addosprites.pop(blast)) {
      world.osl.push_last(blast);
      newest = dynamic_cast<BlastSprite*>(blast);
      EXPECT_NE(newest, nullptr);
    }
    return newest;
  }

  std::size_t polygonsDrawn() {
    RecordingCanvas canvas;
    boss.draw(canvas);
    return canvas.calls.size();
  }

  World world;
  Enemy5Sprite boss{400, 100};
};

}  // namespace

TEST_F(BossDeath, TheHitThatTakesTheLastPointStartsTheBreakUpAndLaterHitsAreRefused) {
  ASSERT_TRUE(boss.damage(199));
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

TEST_F(BossDeath, AHeavyHitTakesLifeBelowZero) {
  ASSERT_TRUE(boss.damage(197));
  EXPECT_TRUE(boss.damage(5));
  EXPECT_EQ(boss.get_life(), -2);
  EXPECT_STREQ(boss.state_name(), "updatebreakup");
}

// From the killing hit: 61 break-up frames with scattered small blasts, 5 destroy frames with one
// large blast each, then dead for good; all the while in place and silent.
TEST_F(BossDeath, BreaksUpFor61FramesExplodesFor5ThenWaitsDead) {
  const double x = boss.get_x();
  const double y = boss.get_y();
  ASSERT_TRUE(boss.damage(200));
  std::vector<BlastSprite*> small;
  std::vector<BlastSprite*> large;
  for (int frame = 1; frame <= 66; ++frame) {
    EXPECT_FALSE(boss.isdead()) << "before frame " << frame;
    boss.update();
    BlastSprite* blast = commitBlasts();
    if (blast) (frame <= 61 ? small : large).push_back(blast);
    const char* expected = frame < 61   ? "updatebreakup"
                           : frame < 66 ? "updatedestroy"
                                        : "updatewait";
    EXPECT_STREQ(boss.state_name(), expected) << "after frame " << frame;
    EXPECT_EQ(boss.get_x(), x);
    EXPECT_EQ(boss.get_y(), y);
    EXPECT_EQ(world.addesprites.size(), 0);
  }
  EXPECT_TRUE(boss.isdead());
  EXPECT_FALSE(small.empty());  // one chance in five a frame; the fixed sequence gives some
  ASSERT_EQ(large.size(), 5u);
  for (BlastSprite* blast : large) {
    EXPECT_LE(std::abs(blast->get_x() - x), 20);
    EXPECT_LE(std::abs(blast->get_y() - y), 20);
    EXPECT_GE(fullWidth(*blast), 2 * 80 - 1);
    EXPECT_LE(fullWidth(*blast), 2 * 100 + 1);
  }
  for (int frame = 0; frame < 50; ++frame) boss.update();
  EXPECT_TRUE(boss.isdead());
  EXPECT_EQ(commitBlasts(), nullptr);
}

TEST_F(BossDeath, IsDrawnWhileFightingAndBreakingUpOnly) {
  EXPECT_EQ(polygonsDrawn(), 1u);
  boss.damage(200);
  EXPECT_EQ(polygonsDrawn(), 1u);
  for (int frame = 0; frame < 61; ++frame) boss.update();
  ASSERT_STREQ(boss.state_name(), "updatedestroy");
  EXPECT_EQ(polygonsDrawn(), 0u);
  for (int frame = 0; frame < 5; ++frame) boss.update();
  ASSERT_TRUE(boss.isdead());
  EXPECT_EQ(polygonsDrawn(), 0u);
}

// --- The lifecycle with another boss's numbers
// ----------------------------------------------------

namespace {

// Hurt only while charging; dies in 3 + 2 frames with large blasts of 90 to 120.
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

TEST(BossLifecycle, TheBossNamesItsHurtableStatesStageLengthsAndBlastSizes) {
  World world;
  ChargingBoss boss;
  EXPECT_FALSE(boss.damage(10));
  boss.update();
  EXPECT_STREQ(boss.state_name(), "updatecharge");
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
    EXPECT_GE(fullWidth(*large), 2 * 90 - 1);
    EXPECT_LE(fullWidth(*large), 2 * 120 + 1);
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
}
