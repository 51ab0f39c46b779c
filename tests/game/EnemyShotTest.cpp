// The tracers with their trails, the pulse and the orbiting shot: how each moves, what it leaves
// behind, when it goes and what it draws.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

#include "bosses/Enemy5.h"
#include "game/World.h"
#include "player/PlayerSprite.h"
#include "support/RecordingCanvas.h"
#include "weapons/OrbitingShot.h"
#include "weapons/Pulses.h"
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
  static double length(Step s) { return std::hypot(s.x, s.y); }
  void openField() { world.rc = {-10'000'000, -10'000'000, 10'000'000, 10'000'000}; }

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

// Whatever the pull, the speed stays; the pull turns it for 200 frames and then nothing does. The
// ship hops round a triangle, so that the tracer never settles on a line through it.
TEST_F(EnemyShots, HomingTracerKeepsItsSpeedTurnsFor200FramesAndTrailsOnOddAges) {
  openField();
  PHSTracerSprite tracer(100, 100, 3, 0);
  constexpr Point kHops[] = {{40, 0}, {-20, 40}, {-20, -40}};
  std::vector<Step> moves;
  for (int update = 1; update <= 300; ++update) {
    world.psp->move_xy(kHops[update % 3].x, kHops[update % 3].y);
    moves.push_back(steps(tracer, 1)[0]);
    EXPECT_EQ(takeTrails().size(), update % 2 == 1 ? 1u : 0u) << "update " << update;
  }
  for (std::size_t i = 1; i < moves.size(); ++i) {
    EXPECT_NEAR(length(moves[i]), 3, 1e-12) << "update " << i + 1;
  }
  // moves[n] is the velocity that update n left: update 200 still turns, from 201 on none does.
  EXPECT_GT(std::abs(moves[200].x - moves[199].x) + std::abs(moves[200].y - moves[199].y), 1e-4);
  for (std::size_t i = 201; i < moves.size(); ++i) {
    EXPECT_NEAR(moves[i].x, moves[200].x, 1e-12) << "update " << i + 1;
    EXPECT_NEAR(moves[i].y, moves[200].y, 1e-12) << "update " << i + 1;
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

TEST_F(EnemyShots, TracerPicturesDimByTwelveAFrameAndTrailsGoWhenDark) {
  WhiteTracerImage white;
  PHSTracerImage pink;
  for (TracerImage* image : std::vector<TracerImage*>{&white, &pink}) {
    for (int call = 1; call <= 21; ++call) EXPECT_FALSE(image->fade(0.05)) << call;
    EXPECT_EQ(image->get_brightness(), 3);
    EXPECT_TRUE(image->fade(0.05));
    EXPECT_EQ(image->get_brightness(), 0);
  }
  PHSTracerTrailSprite trail(100, 100, 0);
  for (int frame = 1; frame <= 22; ++frame) {
    trail.update();
    EXPECT_EQ(world.delosprites.size(), frame == 22 ? 1 : 0) << frame;
  }
}

TEST_F(EnemyShots, TracerColoursFollowBrightness) {
  struct Case {
    const char* what;
    std::function<std::unique_ptr<MySprite>()> make;
    int updates;
    Colorref pen, brush;
  };
  const std::vector<Case> cases = {
      {"white tracer", [] { return std::make_unique<WhiteTracerSprite>(100, 100, 0, 1); }, 0,
       0x7F7F7F, 0xFFFFFF},
      {"pink tracer", [] { return std::make_unique<PHSTracerSprite>(100, 100, 1, 0); }, 0, 0x3F3F7F,
       0x7F7FFF},
      {"white trail", [] { return std::make_unique<WhiteTracerTrailSprite>(100, 100, 0); }, 1,
       0x797979, 0xF3F3F3},
      {"pink trail", [] { return std::make_unique<PHSTracerTrailSprite>(100, 100, 0); }, 1,
       0x3C3C79, 0x7979F3},
  };
  for (const Case& c : cases) {
    auto sprite = c.make();
    for (int i = 0; i < c.updates; ++i) sprite->update();
    RecordingCanvas canvas;
    sprite->draw(canvas);
    ASSERT_EQ(canvas.calls.size(), 1u) << c.what;
    EXPECT_EQ(canvas.calls[0].pen, OptionalColor(c.pen)) << c.what;
    EXPECT_EQ(canvas.calls[0].brush, OptionalColor(c.brush)) << c.what;
  }
}

TEST_F(EnemyShots, PulseBrakesUntilAtMostRootThreeThenDrifts) {
  openField();
  struct Case {
    double speed;
    int brakes;
    double drift;
  };
  for (const Case c : {Case{4, 24, 4 * std::pow(0.965, 24)}, Case{1, 0, 1}}) {
    YSPulseSprite pulse(100, 100, 0.6 * c.speed, 0.8 * c.speed);
    const auto moves = steps(pulse, 40);
    int brakes = 0;
    for (std::size_t i = 1; i < moves.size(); ++i) {
      if (length(moves[i]) < length(moves[i - 1]) - 1e-12) ++brakes;
    }
    EXPECT_EQ(brakes, c.brakes) << c.speed;
    EXPECT_NEAR(length(moves.back()), c.drift, 1e-9) << c.speed;
  }
}

// After the octagon, an unfilled comet: its tail where the pulse was five frames ago, the middle of
// its head straight ahead.
TEST_F(EnemyShots, PulseDrawsAnUnfilledCometAlongItsPath) {
  YSPulseSprite pulse(200, 100, 2, 0);
  RecordingCanvas canvas;
  pulse.draw(canvas);
  ASSERT_EQ(canvas.calls.size(), 2u);
  const DrawCall& comet = canvas.calls[1];
  EXPECT_EQ(comet.pen, OptionalColor(0x00FFFF));
  EXPECT_EQ(comet.brush, std::nullopt);
  ASSERT_EQ(comet.points.size(), 6u);
  EXPECT_EQ(comet.points[0], (Point{190, 100}));
  EXPECT_NEAR(comet.points[3].x, 210, 1);
  EXPECT_NEAR(comet.points[3].y, 100, 1);
}

namespace {

class OrbitingShots : public EnemyShots {
 protected:
  void placeBoss(int x, int y) { world.es = std::make_unique<Enemy5Sprite>(x, y); }
};

// Radius of the orbit point that leg k heads for, the boss 100 pixels from the ship: widening by 30
// up to the 10th re-aim, then stepping towards 100 until it swings between 90 and 120, and from the
// 88th re-aim widening for good.
double expectedRadius(int leg) {
  if (leg <= 9) return 30.0 * (leg + 1);
  if (leg <= 16) return 300.0 - 30 * (leg - 9);
  if (leg <= 87) return leg % 2 == 0 ? 90 : 120;
  return 120.0 + 30 * (leg - 87);
}

}  // namespace

TEST_F(OrbitingShots, OrbitWidensThenSweepsPastTheShipThenWidensForGood) {
  placeBoss(400, 300);
  CH7Sprite shot(0);
  const double firstX = 30 * std::cos(3.14159 / 7);
  const double firstY = 30 * std::sin(3.14159 / 7);
  for (int update = 1; update <= 19; ++update) {  // the first leg stops a twentieth short
    shot.update();
    EXPECT_NEAR(shot.get_x(), 400 + firstX * update / 20, 1e-9) << update;
    EXPECT_NEAR(shot.get_y(), 300 + firstY * update / 20, 1e-9) << update;
  }
  for (int leg = 1; leg <= 92; ++leg) {  // every later leg ends on its orbit point
    for (int i = 0; i < 20; ++i) shot.update();
    EXPECT_NEAR(std::hypot(shot.get_x() - 400, shot.get_y() - 300), expectedRadius(leg), 1e-6)
        << "leg " << leg;
    EXPECT_EQ(shot.get_phase(), leg < 10 ? 0 : leg < 88 ? 1 : 2) << "leg " << leg;
  }
  EXPECT_FALSE(askedToLeave());
}

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

// All orbiting shots of a game share one colour cycle, moved on by every draw: a triangle wave
// whose products with 110 and 180 are taken as bytes. A new game's World starts it afresh, however
// far an earlier one moved it.
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
    world.orbitcolour = c.cycle;
    RecordingCanvas canvas;
    first.draw(canvas);
    EXPECT_EQ(world.orbitcolour, c.next);
    ASSERT_EQ(canvas.calls.size(), 1u);
    EXPECT_EQ(canvas.calls[0].pen, OptionalColor(c.pen)) << c.cycle;
    EXPECT_EQ(canvas.calls[0].brush, OptionalColor(0x000000)) << c.cycle;
    second.draw(canvas);
    EXPECT_EQ(world.orbitcolour, (c.next + 1) % 200);
  }
  World next;
  EXPECT_EQ(next.orbitcolour, 100);
}
