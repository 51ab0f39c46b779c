// The tracers and the orbiting shot at the edges of their rules: the frame a tracer leaves, a
// homing tracer with no way to turn, an orbiting shot far off the field, the shared colour cycle.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "bosses/Enemy5.h"
#include "game/World.h"
#include "player/PlayerSprite.h"
#include "support/RecordingCanvas.h"
#include "weapons/OrbitingShot.h"
#include "weapons/Tracers.h"

namespace {

struct Step {
  double x, y;
};

class EnemyShots : public ::testing::Test {
 protected:
  void SetUp() override { world.rc = {0, 0, 800, 600}; }  // the ship stands at (400, 400)

  // Frees the trails left since the last call, so that none is refused by a full stack.
  std::vector<std::unique_ptr<MySprite>> takeTrails() {
    std::vector<std::unique_ptr<MySprite>> trails;
    for (MySprite* trail = nullptr; world.addosprites.pop(trail);) trails.emplace_back(trail);
    return trails;
  }
  bool askedToLeave() const { return !world.delesprites.empty(); }
  // Where each of n updates moved the shot.
  static std::vector<Step> steps(MySprite& shot, int n) {
    std::vector<Step> moves;
    for (int i = 0; i < n; ++i) {
      const double x = shot.get_x();
      const double y = shot.get_y();
      shot.update();
      moves.push_back({shot.get_x() - x, shot.get_y() - y});
    }
    return moves;
  }

  World world;
};

}  // namespace

TEST_F(EnemyShots, WhiteTracerLeavesATrailWhereItIsEveryFrameTheFrameItLeavesIncluded) {
  struct Case {
    double x, y, vx, vy;
    int frames;  // until it asks to leave, 80 pixels off the field
  };
  for (const Case c : {Case{400, 590, 0, 10, 9}, Case{-70, 300, -1, 0, 10}}) {
    WhiteTracerSprite tracer(c.x, c.y, c.vx, c.vy);
    int frames = 0;
    while (!askedToLeave() && frames < 100) {
      tracer.update();
      ++frames;
      const auto left = takeTrails();
      ASSERT_EQ(left.size(), 1u) << "frame " << frames;
      EXPECT_EQ(left[0]->get_x(), tracer.get_x());
      EXPECT_EQ(left[0]->get_y(), tracer.get_y());
    }
    EXPECT_EQ(frames, c.frames) << c.x << ", " << c.y;
  }
}

// Right on the ship's centre there is no way to turn, and a pull that stops the tracer dead leaves
// no way to fly: it keeps its velocity for that frame instead of going NaN.
TEST_F(EnemyShots, HomingTracerOnTheShipOrStoppedByThePullFliesOnAsItWas) {
  constexpr double kFirstPull = 200 / 225.0;
  struct Case {
    const char* what;
    double x, speed;  // flying right along the ship's row, y 400
  };
  for (const Case c : {Case{"onto the ship's centre", 390, 10},
                       Case{"away at the pull's own speed", 500, kFirstPull}}) {
    PHSTracerSprite tracer(c.x, 400, c.speed, 0);
    const auto moves = steps(tracer, 2);
    for (const Step move : moves) {
      EXPECT_NEAR(move.x, c.speed, 1e-12) << c.what;
      EXPECT_EQ(move.y, 0) << c.what;
    }
    takeTrails();
  }
}

namespace {

class OrbitingShots : public EnemyShots {
 protected:
  void placeBoss(int x, int y) { world.es = std::make_unique<Enemy5Sprite>(x, y); }
};

}  // namespace

TEST_F(OrbitingShots, FarOffTheFieldItLeavesOnlyOnceItsLastPhaseBegins) {
  placeBoss(-2000, -2000);
  CH7Sprite shot(0);
  int update = 0;
  while (!askedToLeave() && update < 3000) {
    shot.update();
    ++update;
  }
  EXPECT_EQ(update, 88 * 20);
}

// All orbiting shots share one colour cycle, moved on by every draw: a triangle wave whose
// products with 110 and 180 are taken as bytes.
TEST_F(OrbitingShots, EveryDrawMovesTheSharedCycleOnAndColoursTheOutline) {
  placeBoss(400, 300);
  CH7Sprite first(0);
  CH7Sprite second(1);
  struct Case {
    int cycle, next;
    Colorref pen;
  };
  for (const Case c : {Case{199, 0, 0x000000}, Case{0, 1, rgb(110, 0, 180)},
                       Case{100, 101, rgb(138, 0, 156)}, Case{150, 151, rgb(14, 0, 116)}}) {
    CH7Sprite::img().set_cycle(c.cycle);
    RecordingCanvas canvas;
    first.draw(canvas);
    EXPECT_EQ(CH7Sprite::img().get_cycle(), c.next);
    ASSERT_EQ(canvas.calls.size(), 1u);
    EXPECT_EQ(canvas.calls[0].pen, OptionalColor(c.pen)) << c.cycle;
    EXPECT_EQ(canvas.calls[0].brush, OptionalColor(0x000000)) << c.cycle;
    second.draw(canvas);
    EXPECT_EQ(CH7Sprite::img().get_cycle(), (c.next + 1) % 200);
  }
}
