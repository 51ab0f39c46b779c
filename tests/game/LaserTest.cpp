// The enemy lasers: how each moves, when it leaves the field, and what it draws.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "game/World.h"
#include "support/RecordingCanvas.h"
#include "weapons/AcceleratingShots.h"
#include "weapons/EnemyLaserSprite.h"
#include "weapons/StraightLasers.h"

namespace {

class Lasers : public ::testing::Test {
 protected:
  void SetUp() override { world.rc = {0, 0, 800, 600}; }

  // Updates the shot once; whether it then asked to leave (once at most). Gone, it withdraws.
  bool leaves(std::unique_ptr<MySprite> shot) {
    shot->update();
    const int requests = world.delesprites.size();
    EXPECT_LE(requests, 1);
    return requests == 1;
  }

  World world;
};

}  // namespace

TEST_F(Lasers, EachShotLeavesOnceWhollyOutsideTheFieldWidenedByItsMargin) {
  EXPECT_FALSE(leaves(std::make_unique<EnemyLLSprite>(400, 678, 0, 1)));
  EXPECT_TRUE(leaves(std::make_unique<EnemyLLSprite>(400, 679, 0, 1)));  // at 600 + 80
  EXPECT_TRUE(leaves(std::make_unique<EnemyLLSprite>(-80, 300, 0, 0)));
  EXPECT_FALSE(leaves(std::make_unique<EnemyLLSprite>(-79, 300, 0, 0)));
  EXPECT_TRUE(leaves(std::make_unique<EnemyLLSprite>(1000, 1000, 1, 1)));      // past two edges
  EXPECT_FALSE(leaves(std::make_unique<EnemyLaserSprite>(400, -100, 0, 2)));   // fired from above
  EXPECT_FALSE(leaves(std::make_unique<EnemyLaserSprite>(400, -154, 0, -5)));  // at -159
  EXPECT_TRUE(leaves(std::make_unique<EnemyLaserSprite>(400, -155, 0, -5)));   // at 0 - 160
  // Shots that stand still on their first update, on the widened right edge and one pixel inside.
  EXPECT_TRUE(leaves(std::make_unique<RedRapidLaserSprite>(810, 300, 0)));
  EXPECT_FALSE(leaves(std::make_unique<RedRapidLaserSprite>(809, 300, 0)));
  EXPECT_TRUE(leaves(std::make_unique<BSTLaserSprite>(850, 300, 0, 0, 0, 0)));
  EXPECT_FALSE(leaves(std::make_unique<BSTLaserSprite>(849, 300, 0, 0, 0, 0)));
  EXPECT_TRUE(leaves(std::make_unique<EnemyLTLSprite>(840, 300, 0, 0, 0, 0)));
  EXPECT_FALSE(leaves(std::make_unique<EnemyLTLSprite>(839, 300, 0, 0, 0, 0)));
  EXPECT_TRUE(leaves(std::make_unique<PWLaserSprite>(400, 612)));  // first step 1.5 at most
  EXPECT_FALSE(leaves(std::make_unique<PWLaserSprite>(400, 608)));
}

TEST_F(Lasers, PlasmaBallSpeedIsHeldToExactlySix) {
  world.rc = {-10'000'000, -10'000'000, 10'000'000, 10'000'000};
  PWLaserSprite ball(0, 0);
  double fastest = 0;
  for (int frame = 0; frame < 3000; ++frame) {
    const double x = ball.get_x();
    const double y = ball.get_y();
    ball.update();
    fastest = std::max(fastest, std::hypot(ball.get_x() - x, ball.get_y() - y));
  }
  EXPECT_NEAR(fastest, 6.0, 1e-9);  // the wandering acceleration reaches the limit
}

// The bolts share one image; each is drawn right after its own update, so each shows its tail.
TEST_F(Lasers, BoltsDrawnRightAfterTheirOwnUpdateShowTheirOwnTails) {
  BSTLaserSprite slow(200, 100, 0, 2, 0, 0);
  BSTLaserSprite fast(400, 100, 0, 6, 0, 0);
  RecordingCanvas canvas;
  slow.update();
  slow.draw(canvas);
  fast.update();
  fast.draw(canvas);
  const auto polygons = canvas.ofKind(DrawCall::Kind::Polygon);
  ASSERT_EQ(polygons.size(), 2u);
  // Flying down, the tail reaches up twice the speed.
  EXPECT_NEAR(polygons[0].points[0].y - slow.get_y(), -4, 1);
  EXPECT_NEAR(polygons[1].points[0].y - fast.get_y(), -12, 1);
}
