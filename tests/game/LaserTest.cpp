// The enemy lasers: how each moves, when it leaves the field, the numbers it draws, and how it
// shows its direction.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/Random.h"
#include "game/World.h"
#include "support/RecordingCanvas.h"
#include "weapons/AcceleratingShots.h"
#include "weapons/EnemyLaserSprite.h"
#include "weapons/EnemyShot.h"
#include "weapons/StraightLasers.h"

namespace {

class LaserFixture : public ::testing::Test {
 protected:
  void SetUp() override { world.rc = {0, 0, 800, 600}; }

  bool askedToLeave(const MySprite& shot) {
    int found = 0;
    MySprite* entry = nullptr;
    std::vector<MySprite*> entries;
    while (world.delesprites.pop(entry)) entries.push_back(entry);
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
      if (*it == &shot) ++found;
      world.delesprites.push(*it);
    }
    EXPECT_LE(found, 1) << "a shot asks to leave at most once per update";
    return found == 1;
  }

  World world;
};

// The polygon's point i relative to a centre.
Point offsetOf(const DrawCall& call, std::size_t i, double x, double y) {
  return {call.points.at(i).x - static_cast<int>(x), call.points.at(i).y - static_cast<int>(y)};
}

}  // namespace

// --- Leaving the field -----------------------------------------------------------------------

TEST(EnemyShotLeaving, EachSideCountsOnceTheShotIsWhollyPastTheWidenedEdge) {
  const Rect rc{0, 0, 800, 600};
  EXPECT_FALSE(leavesField(rc, 879, 300, 80));
  EXPECT_TRUE(leavesField(rc, 880, 300, 80));
  EXPECT_FALSE(leavesField(rc, -79, 300, 80));
  EXPECT_TRUE(leavesField(rc, -80, 300, 80));
  EXPECT_FALSE(leavesField(rc, 400, 679, 80));
  EXPECT_TRUE(leavesField(rc, 400, 680, 80));
  EXPECT_FALSE(leavesField(rc, 400, -79.5, 80));
  EXPECT_TRUE(leavesField(rc, 400, -80, 80));
  EXPECT_FALSE(leavesField(rc, 400, 300, 0));
}

TEST_F(LaserFixture, StraightLaserMovingDownLeavesAt680In600HighField) {
  EnemyLLSprite staying(400, 678, 0, 1);
  staying.update();
  EXPECT_EQ(staying.get_y(), 679);
  EXPECT_FALSE(askedToLeave(staying));

  EnemyLLSprite leaving(400, 679, 0, 1);
  leaving.update();
  EXPECT_TRUE(askedToLeave(leaving));
}

TEST_F(LaserFixture, ShotPastTwoEdgesAsksToLeaveOnlyOnce) {
  EnemyLLSprite corner(1000, 1000, 1, 1);
  corner.update();
  EXPECT_EQ(world.delesprites.size(), 1);
  EXPECT_TRUE(askedToLeave(corner));
}

TEST_F(LaserFixture, ShotRefusedByFullStackAsksAgainNextFrame) {
  std::vector<std::unique_ptr<EnemyLLSprite>> fillers;
  while (world.delesprites.size() < World::kStackCapacity) {
    fillers.push_back(std::make_unique<EnemyLLSprite>(0, 0, 0, 0));
    world.delesprites.push(fillers.back().get());
  }
  EnemyLLSprite outside(400, 900, 0, 1);
  outside.update();
  EXPECT_EQ(world.stacks_dropped, 1);

  MySprite* freed = nullptr;
  world.delesprites.pop(freed);
  outside.update();
  EXPECT_TRUE(askedToLeave(outside));
}

TEST_F(LaserFixture, StarFiredAboveTheFieldStaysWhileWithin160OfTheTop) {
  EnemyLaserSprite star(400, -100, 0, 2);
  star.update();
  EXPECT_FALSE(askedToLeave(star));

  EnemyLaserSprite rising(400, -150, 0, -5);
  rising.update();  // y = -155: 5 short of the widened edge
  EXPECT_FALSE(askedToLeave(rising));
  rising.update();  // y = -160: exactly on it
  EXPECT_TRUE(askedToLeave(rising));
}

// Each class keeps its own margin: a shot that does not move on its first update, placed on the
// widened edge, asks to leave; one pixel inside, it stays.
struct MarginCase {
  std::string name;
  int margin;
  std::function<std::unique_ptr<MySprite>(double x, double y)> make;
};

class ShotMargin : public ::testing::TestWithParam<MarginCase> {
 protected:
  void SetUp() override { world.rc = {0, 0, 800, 600}; }
  World world;
};

TEST_P(ShotMargin, RightAndLeftEdgesWidenedByTheClassMargin) {
  const MarginCase& c = GetParam();
  const double rightEdge = world.rc.right + c.margin;
  const double leftEdge = world.rc.left - c.margin;
  const std::vector<std::pair<double, bool>> placements = {
      {rightEdge, true}, {rightEdge - 1, false}, {leftEdge, true}, {leftEdge + 1, false}};
  for (const auto& [x, leaves] : placements) {
    auto shot = c.make(x, 300);
    shot->update();
    EXPECT_EQ(world.delesprites.size(), leaves ? 1 : 0) << c.name << " at x " << x;
    MySprite* request = nullptr;
    while (world.delesprites.pop(request)) {
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    EveryLaser, ShotMargin,
    ::testing::Values(
        MarginCase{"EnemyLLSprite", 80,
                   [](double x, double y) { return std::make_unique<EnemyLLSprite>(x, y, 0, 0); }},
        MarginCase{"SmallLaserSprite", 80,
                   [](double x, double y) {
                     return std::make_unique<SmallLaserSprite>(x, y, 0, 0, 5u,
                                                               SmallLaserSprite::white);
                   }},
        MarginCase{
            "EnemyLaserSprite", 160,
            [](double x, double y) { return std::make_unique<EnemyLaserSprite>(x, y, 0, 0); }},
        MarginCase{
            "RedRapidLaserSprite", 10,
            [](double x, double y) { return std::make_unique<RedRapidLaserSprite>(x, y, 0); }},
        MarginCase{
            "BSTLaserSprite", 50,
            [](double x, double y) { return std::make_unique<BSTLaserSprite>(x, y, 0, 0, 0, 0); }},
        MarginCase{
            "EnemyLTLSprite", 40,
            [](double x, double y) { return std::make_unique<EnemyLTLSprite>(x, y, 0, 0, 0, 0); }}),
    [](const ::testing::TestParamInfo<MarginCase>& info) { return info.param.name; });

TEST_F(LaserFixture, PlasmaBallLeavesTenPixelsPastTheBottom) {
  // Its first step is at most 1.5 pixels either way.
  PWLaserSprite outside(400, world.rc.bottom + 12);
  outside.update();
  EXPECT_TRUE(askedToLeave(outside));
  PWLaserSprite inside(400, world.rc.bottom + 8);
  inside.update();
  EXPECT_FALSE(askedToLeave(inside));
}

// --- Movement ----------------------------------------------------------------------------------

TEST_F(LaserFixture, RedBarStartsAtRestAndGainsOnePixelPerFrameStraightDown) {
  RedRapidLaserSprite bar(400, 100, 0);
  const std::vector<double> below = {0, 1, 3, 6, 10};
  for (double expected : below) {
    bar.update();
    EXPECT_NEAR(bar.get_y() - 100, expected, 1e-6);
    EXPECT_NEAR(bar.get_x(), 400, 1e-4);
  }
}

TEST_F(LaserFixture, RedBarSlantIsMeasuredFromStraightDown) {
  RedRapidLaserSprite bar(400, 100, 1.570795);  // a quarter turn from down: leftwards
  bar.update();
  bar.update();
  EXPECT_NEAR(bar.get_x(), 399, 1e-5);
  EXPECT_NEAR(bar.get_y(), 100, 1e-5);
}

TEST_F(LaserFixture, PointedLaserSpeedsUpBeforeMovingWhileBoltMovesFirst) {
  EnemyLTLSprite pointed(400, 100, 0, 0, 0, 1);
  BSTLaserSprite bolt(400, 100, 0, 0, 0, 1);
  pointed.update();
  bolt.update();
  EXPECT_EQ(pointed.get_y(), 101);
  EXPECT_EQ(bolt.get_y(), 100);
  pointed.update();
  bolt.update();
  EXPECT_EQ(pointed.get_y(), 103);
  EXPECT_EQ(bolt.get_y(), 101);
}

TEST_F(LaserFixture, PlasmaBallDrawsItsStartVelocityThenItsDriftInOrder) {
  Random reference;
  const double vx = (reference.rand() % 30 - 15) / 10.0;
  const double vy = (reference.rand() % 30 - 15) / 10.0;
  const double ax = (reference.rand() % 1001) / 20000.0 - 0.025;
  const double ay = (reference.rand() % 1001) / 20000.0 - 0.025;

  PWLaserSprite ball(400, 300);
  std::vector<std::pair<double, double>> steps;
  double lastX = ball.get_x();
  double lastY = ball.get_y();
  for (int i = 0; i < 3; ++i) {
    ball.update();
    steps.emplace_back(ball.get_x() - lastX, ball.get_y() - lastY);
    lastX = ball.get_x();
    lastY = ball.get_y();
  }
  EXPECT_NEAR(steps[0].first, vx, 1e-9);
  EXPECT_NEAR(steps[0].second, vy, 1e-9);
  EXPECT_NEAR(steps[1].first, vx, 1e-9);  // the first drift only acts from the next frame
  EXPECT_NEAR(steps[1].second, vy, 1e-9);
  EXPECT_NEAR(steps[2].first - steps[1].first, ax, 1e-9);
  EXPECT_NEAR(steps[2].second - steps[1].second, ay, 1e-9);
}

TEST_F(LaserFixture, PlasmaBallSpeedIsHeldToExactlySix) {
  world.rc = {-10'000'000, -10'000'000, 10'000'000, 10'000'000};
  PWLaserSprite ball(0, 0);
  double lastX = 0;
  double lastY = 0;
  int framesAtLimit = 0;
  for (int frame = 0; frame < 3000; ++frame) {
    ball.update();
    const double step = std::hypot(ball.get_x() - lastX, ball.get_y() - lastY);
    ASSERT_LE(step, 6.0 + 1e-9) << "frame " << frame;
    if (std::abs(step - 6.0) < 1e-9) ++framesAtLimit;
    lastX = ball.get_x();
    lastY = ball.get_y();
  }
  EXPECT_GT(framesAtLimit, 0) << "the drifting acceleration never reached the limit";
}

// --- Drawing -------------------------------------------------------------------------------------

TEST_F(LaserFixture, BoltsDrawnRightAfterTheirOwnUpdateShowTheirOwnTails) {
  BSTLaserSprite slow(200, 100, 0, 2, 0, 0);
  BSTLaserSprite fast(400, 100, 0, 6, 0, 0);
  RecordingCanvas canvas;
  slow.update();
  slow.draw(canvas);
  fast.update();
  fast.draw(canvas);

  const auto polygons = canvas.ofKind(DrawCall::Kind::Polygon);
  ASSERT_EQ(polygons.size(), 2u);
  EXPECT_NE(offsetOf(polygons[0], 0, slow.get_x(), slow.get_y()),
            offsetOf(polygons[1], 0, fast.get_x(), fast.get_y()));
  // Flying down, the tail reaches up twice the speed: 4 pixels for the slow bolt, 12 for the fast.
  EXPECT_NEAR(offsetOf(polygons[0], 0, slow.get_x(), slow.get_y()).y, -4, 1);
  EXPECT_NEAR(offsetOf(polygons[1], 0, fast.get_x(), fast.get_y()).y, -12, 1);
  EXPECT_NEAR(offsetOf(polygons[1], 3, fast.get_x(), fast.get_y()).y, -12, 1);
  // The head stays 3 pixels ahead.
  EXPECT_NEAR(offsetOf(polygons[1], 1, fast.get_x(), fast.get_y()).y, 3, 1);
}

TEST_F(LaserFixture, PointedLasersDrawTheirLongPointAlongTheirPath) {
  EnemyLLSprite green(400, 300, 5, 0);
  EnemyLTLSprite red(400, 300, 0, 0, -1, 0);
  RecordingCanvas canvas;
  green.update();
  green.draw(canvas);
  red.update();
  red.draw(canvas);

  const auto polygons = canvas.ofKind(DrawCall::Kind::Polygon);
  ASSERT_EQ(polygons.size(), 2u);
  const Point greenTip = offsetOf(polygons[0], 0, green.get_x(), green.get_y());
  EXPECT_NEAR(greenTip.x, 16, 1);
  EXPECT_NEAR(greenTip.y, 0, 1);
  EXPECT_EQ(polygons[0].brush, Colorref{0x00FF00});
  const Point redTip = offsetOf(polygons[1], 0, red.get_x(), red.get_y());
  EXPECT_NEAR(redTip.x, -16, 1);
  EXPECT_NEAR(redTip.y, 0, 1);
  EXPECT_EQ(polygons[1].brush, Colorref{0x5050FF});
}

TEST_F(LaserFixture, PelletsKeepTheirOwnPictureAndHitRadius) {
  SmallLaserSprite yellow(100, 100, 0, 1, 5u, SmallLaserSprite::yellow);
  SmallLaserSprite white(100, 100, 0, 1, 7u, SmallLaserSprite::white);
  EXPECT_EQ(yellow.get_hitsize(), 5);
  EXPECT_EQ(white.get_hitsize(), 7);

  RecordingCanvas canvas;
  yellow.draw(canvas);
  white.draw(canvas);
  const auto polygons = canvas.ofKind(DrawCall::Kind::Polygon);
  ASSERT_EQ(polygons.size(), 2u);
  EXPECT_EQ(polygons[0].pen, Colorref{0x00C8FF});
  EXPECT_EQ(polygons[0].brush, Colorref{0x00FFFF});
  EXPECT_EQ(polygons[1].pen, Colorref{0xFFFFFF});
  EXPECT_EQ(polygons[1].brush, Colorref{0xE6E6E6});
  EXPECT_EQ(polygons[0].points.size(), 8u);
  EXPECT_EQ(offsetOf(polygons[0], 0, 100, 100), (Point{5, 0}));
}
