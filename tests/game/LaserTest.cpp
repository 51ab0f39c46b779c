// The enemy lasers: how each moves, when it leaves the field, the numbers it draws, and how it
// shows its direction.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

#include "game/Random.h"
#include "game/World.h"
#include "support/RecordingCanvas.h"
#include "weapons/AcceleratingShots.h"
#include "weapons/EnemyLaserSprite.h"
#include "weapons/StraightLasers.h"

namespace {

class Lasers : public ::testing::Test {
 protected:
  void SetUp() override { world.rc = {0, 0, 800, 600}; }

  // Updates the shot; whether it then asked to leave (the request is withdrawn again).
  bool leavesAfterUpdate(MySprite& shot) {
    shot.update();
    const int requests = world.delesprites.size();
    EXPECT_LE(requests, 1) << "a shot asks to leave at most once per update";
    world.forgetSprite(&shot);
    return requests == 1;
  }

  World world;
};

// Point i of a drawn polygon, relative to the shot's centre.
Point offsetOf(const DrawCall& call, std::size_t i, const MySprite& shot) {
  return {call.points.at(i).x - static_cast<int>(shot.get_x()),
          call.points.at(i).y - static_cast<int>(shot.get_y())};
}

}  // namespace

// --- Leaving the field -----------------------------------------------------------------------

TEST_F(Lasers, StraightLaserMovingDownLeavesAt680In600HighField) {
  EnemyLLSprite staying(400, 678, 0, 1);
  EXPECT_FALSE(leavesAfterUpdate(staying));
  EnemyLLSprite leaving(400, 679, 0, 1);
  EXPECT_TRUE(leavesAfterUpdate(leaving));
  EnemyLLSprite corner(1000, 1000, 1, 1);  // past two edges: still one request
  EXPECT_TRUE(leavesAfterUpdate(corner));
}

TEST_F(Lasers, StarFiredAboveTheFieldStaysWhileWithin160OfTheTop) {
  EnemyLaserSprite falling(400, -100, 0, 2);
  EXPECT_FALSE(leavesAfterUpdate(falling));
  EnemyLaserSprite rising(400, -150, 0, -5);
  EXPECT_FALSE(leavesAfterUpdate(rising));  // y = -155
  EXPECT_TRUE(leavesAfterUpdate(rising));   // y = -160, on the widened edge
}

// Each class keeps its own margin. Shots that stand still on their first update are placed on the
// widened right or left edge (they leave) and one pixel inside it (they stay).
TEST_F(Lasers, EachClassLeavesPastItsOwnMargin) {
  using Make = std::function<std::unique_ptr<MySprite>(double)>;
  const std::vector<std::pair<int, Make>> classes = {
      {80, [](double x) { return std::make_unique<EnemyLLSprite>(x, 300, 0, 0); }},
      {80,
       [](double x) {
         return std::make_unique<SmallLaserSprite>(x, 300, 0, 0, 5u, SmallLaserSprite::white);
       }},
      {160, [](double x) { return std::make_unique<EnemyLaserSprite>(x, 300, 0, 0); }},
      {10, [](double x) { return std::make_unique<RedRapidLaserSprite>(x, 300, 0); }},
      {50, [](double x) { return std::make_unique<BSTLaserSprite>(x, 300, 0, 0, 0, 0); }},
      {40, [](double x) { return std::make_unique<EnemyLTLSprite>(x, 300, 0, 0, 0, 0); }}};
  for (const auto& [margin, make] : classes) {
    const double right = world.rc.right + margin;
    const double left = world.rc.left - margin;
    EXPECT_TRUE(leavesAfterUpdate(*make(right))) << "margin " << margin;
    EXPECT_FALSE(leavesAfterUpdate(*make(right - 1))) << "margin " << margin;
    EXPECT_TRUE(leavesAfterUpdate(*make(left))) << "margin " << margin;
    EXPECT_FALSE(leavesAfterUpdate(*make(left + 1))) << "margin " << margin;
  }
  // The plasma ball moves at most 1.5 pixels on its first update.
  EXPECT_TRUE(leavesAfterUpdate(*std::make_unique<PWLaserSprite>(400, world.rc.bottom + 12)));
  EXPECT_FALSE(leavesAfterUpdate(*std::make_unique<PWLaserSprite>(400, world.rc.bottom + 8)));
}

// --- Movement ----------------------------------------------------------------------------------

TEST_F(Lasers, RedBarStartsAtRestAndGainsOnePixelPerFrameStraightDown) {
  RedRapidLaserSprite bar(400, 100, 0);
  for (double below : {0, 1, 3, 6, 10}) {
    bar.update();
    EXPECT_NEAR(bar.get_y() - 100, below, 1e-6);
  }
}

TEST_F(Lasers, PointedLaserSpeedsUpBeforeMovingWhileBoltMovesFirst) {
  EnemyLTLSprite pointed(400, 100, 0, 0, 0, 1);
  BSTLaserSprite bolt(400, 100, 0, 0, 0, 1);
  pointed.update();
  bolt.update();
  EXPECT_EQ(pointed.get_y(), 101);
  EXPECT_EQ(bolt.get_y(), 100);
}

TEST_F(Lasers, PlasmaBallDrawsItsStartVelocityThenItsDriftInOrder) {
  Random reference;
  const double vx = (reference.rand() % 30 - 15) / 10.0;
  const double vy = (reference.rand() % 30 - 15) / 10.0;
  const double ax = (reference.rand() % 1001) / 20000.0 - 0.025;
  const double ay = (reference.rand() % 1001) / 20000.0 - 0.025;

  PWLaserSprite ball(400, 300);
  std::vector<std::pair<double, double>> steps;
  for (int i = 0; i < 3; ++i) {
    const double x = ball.get_x();
    const double y = ball.get_y();
    ball.update();
    steps.emplace_back(ball.get_x() - x, ball.get_y() - y);
  }
  EXPECT_NEAR(steps[0].first, vx, 1e-9);
  EXPECT_NEAR(steps[0].second, vy, 1e-9);
  EXPECT_NEAR(steps[1].first, vx, 1e-9);  // the first drift acts from the frame after
  EXPECT_NEAR(steps[2].first - steps[1].first, ax, 1e-9);
  EXPECT_NEAR(steps[2].second - steps[1].second, ay, 1e-9);
}

TEST_F(Lasers, PlasmaBallSpeedIsHeldToExactlySix) {
  world.rc = {-10'000'000, -10'000'000, 10'000'000, 10'000'000};
  PWLaserSprite ball(0, 0);
  int framesAtLimit = 0;
  for (int frame = 0; frame < 3000; ++frame) {
    const double x = ball.get_x();
    const double y = ball.get_y();
    ball.update();
    const double step = std::hypot(ball.get_x() - x, ball.get_y() - y);
    ASSERT_LE(step, 6.0 + 1e-9) << "frame " << frame;
    if (std::abs(step - 6.0) < 1e-9) ++framesAtLimit;
  }
  EXPECT_GT(framesAtLimit, 0) << "the drifting acceleration never reached the limit";
}

// --- Drawing -------------------------------------------------------------------------------------

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
  EXPECT_NE(offsetOf(polygons[0], 0, slow), offsetOf(polygons[1], 0, fast));
  // Flying down, the tail reaches up twice the speed; the head stays 3 pixels ahead.
  EXPECT_NEAR(offsetOf(polygons[0], 0, slow).y, -4, 1);
  EXPECT_NEAR(offsetOf(polygons[1], 0, fast).y, -12, 1);
  EXPECT_NEAR(offsetOf(polygons[1], 3, fast).y, -12, 1);
  EXPECT_NEAR(offsetOf(polygons[1], 1, fast).y, 3, 1);
}

TEST_F(Lasers, PointedLasersDrawTheirLongPointAlongTheirPath) {
  EnemyLLSprite green(400, 300, 5, 0);
  EnemyLTLSprite red(400, 300, 0, 0, -1, 0);
  RecordingCanvas canvas;
  green.update();
  green.draw(canvas);
  red.update();
  red.draw(canvas);

  const auto polygons = canvas.ofKind(DrawCall::Kind::Polygon);
  ASSERT_EQ(polygons.size(), 2u);
  EXPECT_NEAR(offsetOf(polygons[0], 0, green).x, 16, 1);
  EXPECT_NEAR(offsetOf(polygons[0], 0, green).y, 0, 1);
  EXPECT_NEAR(offsetOf(polygons[1], 0, red).x, -16, 1);
  EXPECT_NEAR(offsetOf(polygons[1], 0, red).y, 0, 1);
}

TEST_F(Lasers, PelletsKeepTheirOwnPictureAndHitRadius) {
  SmallLaserSprite yellow(100, 100, 0, 1, 5u, SmallLaserSprite::yellow);
  SmallLaserSprite white(100, 100, 0, 1, 7u, SmallLaserSprite::white);
  EXPECT_EQ(yellow.get_hitsize(), 5);
  EXPECT_EQ(white.get_hitsize(), 7);
  RecordingCanvas canvas;
  yellow.draw(canvas);
  white.draw(canvas);
  ASSERT_EQ(canvas.calls.size(), 2u);
  EXPECT_EQ(canvas.calls[0].brush, Colorref{0x00FFFF});
  EXPECT_EQ(canvas.calls[1].brush, Colorref{0xE6E6E6});
}
