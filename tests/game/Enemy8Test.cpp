// The level-4 boss and its satellites: the edges of its rules that a whole fight does not show
// (the exact life that starts the second pattern, the wings' aim for a boss far left, a break-up
// started over) and a replaced boss taking only its own satellites.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "bosses/Enemy8.h"
#include "effects/BlastSprite.h"
#include "game/World.h"
#include "support/ShotLog.h"
#include "weapons/StraightLasers.h"

namespace {

constexpr int kIntroFrames = 61 + 161;

// The level-4 boss and its satellites in a world of their own, run as the game frame runs them:
// the other sprites first, then the boss. Shots are logged and dropped; effects stay in play.
class Level4 : public ::testing::Test {
 protected:
  Level4() { startAt(400); }

  void startAt(int x) {
    world.es.reset();
    world.osl.clear();
    world.rc = {0, 0, 800, 600};
    world.es = std::make_unique<Enemy8Sprite>(x, 180);
    commitOthers();
  }

  Enemy8Sprite& boss() { return static_cast<Enemy8Sprite&>(*world.es); }
  const Enemy8childSprite& sat(int i) { return *boss().satellite(i); }

  std::vector<FiredShot> frame() {
    for (SpriteNode* node = world.osl.get_first(); node; node = node->get_next()) {
      node->get_vec()->update();
    }
    world.es->update();
    auto shots = shots_.take(world);
    commitOthers();
    return shots;
  }
  void frames(int n) {
    for (int i = 0; i < n; ++i) frame();
  }
  // Runs until the boss's update with count c of its present state has run.
  void runToCount(int c) {
    while (boss().get_count() <= c) frame();
  }

  // Who fired a shot: the satellite it started nearest to, or -1 for the boss.
  int firer(const FiredShot& shot) {
    int best = -1;
    double nearest = std::hypot(shot.x - boss().get_x(), shot.y - boss().get_y());
    for (int i = 0; i < 8; ++i) {
      const double d = std::hypot(shot.x - sat(i).get_x(), shot.y - sat(i).get_y());
      if (d < nearest) {
        best = i;
        nearest = d;
      }
    }
    return best;
  }

  void commitOthers() {
    for (MySprite* s = nullptr; world.delosprites.pop(s);) world.osl.delete_sprite(s);
    for (MySprite* s = nullptr; world.addosprites.pop(s);) world.osl.push_last(s);
  }

  int satellitesInList() const {
    int n = 0;
    for (SpriteNode* node = world.osl.get_first(); node; node = node->get_next()) {
      n += dynamic_cast<Enemy8childSprite*>(node->get_vec()) != nullptr;
    }
    return n;
  }

  World world;
  ShotLog shots_;
};

}  // namespace

// Only a counting hit in updatenormal that leaves 1 to 100 life points starts the second pattern;
// hits in the intro states lower life and switch nothing, and the second pattern never switches
// back.
TEST_F(Level4, SecondPatternStartsAtExactly100LifeFromUpdatenormalOnly) {
  struct Case {
    const char* when;
    int framesBefore;
    std::vector<int> hits;
    const char* stateAfter;
    int lifeAfter;
  };
  const Case cases[] = {
      {"fighting, 101 to 100", kIntroFrames + 10, {299, 1}, "updatenormal2", 100},
      {"fighting, 102 to 101", kIntroFrames + 10, {298, 1}, "updatenormal", 101},
      {"fighting, 101 to 0", kIntroFrames + 10, {299, 101}, "updatebreakup", 0},
      {"second pattern, hit again", kIntroFrames + 10, {299, 1, 1}, "updatenormal2", 99},
      {"intro", 10, {299, 1}, "updatenormalintro", 100},
      {"second intro", 100, {299, 1}, "updatenormalintro2", 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.when);
    startAt(400);
    frames(c.framesBefore);
    for (int points : c.hits) EXPECT_TRUE(boss().damage(points));
    EXPECT_STREQ(boss().state_name(), c.stateAfter);
    EXPECT_EQ(boss().get_life(), c.lifeAfter);
    if (std::string(c.stateAfter) == "updatenormal2") {
      for (int i = 0; i < 8; ++i) EXPECT_STREQ(sat(i).state_name(), "upd_trans");
    }
    if (c.framesBefore < kIntroFrames) {
      // The fighting state starts with 100 life points and keeps the first pattern until the next
      // counting hit.
      frames(kIntroFrames + 20 - c.framesBefore);
      EXPECT_STREQ(boss().state_name(), "updatenormal");
      EXPECT_TRUE(boss().damage(1));
      EXPECT_STREQ(boss().state_name(), "updatenormal2");
    }
  }
}

// Every 40 frames a wing fires one pointed laser down-left when ten times the boss's x truncates
// to an even number, down-right when odd, and none when negative and odd.
TEST_F(Level4, WingsFireLeftOrRightByTheParityOfTenTimesTheBossX) {
  int outcomes[3] = {0, 0, 0};  // left, right, none
  for (int startX : {397, -100}) {
    SCOPED_TRACE(startX);
    startAt(startX);
    frames(kIntroFrames);
    ASSERT_TRUE(boss().damage(300));
    runToCount(160);
    for (int f = 0; f < 800; ++f) {
      const double bossX = boss().get_x();  // as the satellites see it: before the boss moves
      int counts[8];
      for (int i = 0; i < 8; ++i) counts[i] = sat(i).get_count();
      const auto shots = frame();
      for (int i = 0; i < 8; ++i) {
        if (counts[i] % 40 != 0) continue;
        const int r = static_cast<int>(10 * bossX) % 2;
        int fired = 0;
        for (const FiredShot& s : shots) {
          if (!s.is<EnemyLLSprite>() || firer(s) != i) continue;
          ++fired;
          EXPECT_EQ(s.dx, r == 0 ? -2.5 : 2.5);
          EXPECT_EQ(s.dy, 5.0);
        }
        EXPECT_EQ(fired, r == -1 ? 0 : 1) << "boss x " << bossX;
        ++outcomes[r == -1 ? 2 : r];
      }
    }
  }
  for (int n : outcomes) EXPECT_GT(n, 0);
}

// A destroy() in the middle of a satellite's break-up starts it over with a new random count;
// meanwhile the satellite refuses damage.
TEST_F(Level4, DestroyInTheMiddleOfABreakUpStartsItOver) {
  frames(kIntroFrames);
  ASSERT_TRUE(boss().damage(400));
  frames(20);
  auto* first = const_cast<Enemy8childSprite*>(boss().satellite(0));
  ASSERT_STREQ(first->state_name(), "upd_brk");
  ASSERT_FALSE(first->damage(1));
  Random predicted = world.random;
  first->destroy();
  const int restart = predicted.rand() % 10;
  EXPECT_EQ(first->get_count(), restart);
  frames(50 - restart);
  EXPECT_STREQ(first->state_name(), "upd_brk");
  frame();
  EXPECT_STREQ(first->state_name(), "upd_dst");
  EXPECT_EQ(first->get_life(), 500);
}

// A replaced boss takes exactly its own satellites with it, whether they are in the list already or
// still waiting to join it, and leaves no request behind that could name another sprite.
TEST_F(Level4, ReplacedBossTakesOnlyItsOwnSatellites) {
  for (bool committed : {true, false}) {
    SCOPED_TRACE(committed ? "in the list" : "waiting to join");
    world.es.reset();
    world.osl.clear();
    world.es = std::make_unique<Enemy8Sprite>(400, 180);
    if (committed) frames(100);
    auto* blast = new BlastSprite(10, 10, 30);
    world.osl.push_first(blast);
    world.es = std::make_unique<Enemy8Sprite>(200, 180);
    commitOthers();
    EXPECT_EQ(satellitesInList(), 8);
    EXPECT_EQ(world.osl.get_count(), 9);
    EXPECT_EQ(world.osl.get_first()->get_vec(), blast);
    EXPECT_TRUE(world.delosprites.empty());
    for (int i = 0; i < 8; ++i) EXPECT_EQ(sat(i).get_parent(), &boss());
  }
}
