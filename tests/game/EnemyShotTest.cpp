// The level-3 shots at the edges of their rules, where no fight takes them: a homing tracer with
// no way to turn, an orbiting shot far off the field.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "bosses/Enemy5.h"
#include "game/World.h"
#include "player/PlayerSprite.h"
#include "support/RecordingCanvas.h"
#include "weapons/OrbitingShot.h"
#include "weapons/Tracers.h"

// Right on the ship's centre there is no way to turn, and a pull that stops the tracer dead leaves
// no way to fly: it keeps its velocity for that frame instead of going NaN.
TEST(HomingTracer, OnTheShipOrStoppedByThePullItFliesOnAsItWas) {
  World world;
  world.rc = {0, 0, 800, 600};  // the ship stands at (400, 400)
  constexpr double kFirstPull = 200 / 225.0;
  struct Case {
    const char* what;
    double x, speed;  // flying right along the ship's row
  };
  for (const Case c : {Case{"onto the ship's centre", 390, 10},
                       Case{"away at the pull's own speed", 500, kFirstPull}}) {
    PHSTracerSprite tracer(c.x, 400, c.speed, 0);
    for (int update = 1; update <= 2; ++update) {
      const double x = tracer.get_x();
      tracer.update();
      EXPECT_NEAR(tracer.get_x() - x, c.speed, 1e-12) << c.what << ", update " << update;
      EXPECT_EQ(tracer.get_y(), 400) << c.what << ", update " << update;
    }
    for (MySprite* trail = nullptr; world.addosprites.pop(trail);) delete trail;
  }
}

TEST(OrbitingShot, FarOffTheFieldItLeavesOnlyOnceItsLastPhaseBegins) {
  World world;
  world.es = std::make_unique<Enemy5Sprite>(-2000, -2000);
  CH7Sprite shot(0);
  int update = 0;
  for (; world.delesprites.empty() && update < 3000; ++update) shot.update();
  EXPECT_EQ(update, 88 * 20);
}

// The orbiting shots' flickering outline is part of a game: a second game in the same program (a
// replay played after a game, a test after a test) starts from the same colours as the first.
TEST(OrbitingShot, EachGameStartsTheOutlineColoursAfresh) {
  const auto firstOutlines = [] {
    World world;
    world.es = std::make_unique<Enemy5Sprite>(400, 100);
    CH7Sprite shot(0);
    RecordingCanvas canvas;
    for (int draw = 0; draw < 30; ++draw) shot.draw(canvas);
    std::vector<OptionalColor> pens;
    for (const DrawCall& call : canvas.calls) pens.push_back(call.pen);
    return pens;
  };
  const auto first = firstOutlines();
  EXPECT_EQ(firstOutlines(), first);
  EXPECT_NE(first.front(), first.back());
}
