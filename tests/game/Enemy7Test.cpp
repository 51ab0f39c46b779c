// The level-3 boss: the blade's geometry, the triangle's volleys below 100 life, what the
// transition into the wheel does with hits, and the shards it leaves.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "bosses/Enemy7.h"
#include "bosses/Enemy7Debris.h"
#include "game/World.h"
#include "sprites/HitTest.h"
#include "support/RecordingCanvas.h"
#include "support/ShotLog.h"
#include "weapons/AcceleratingShots.h"
#include "weapons/EnemyLaserSprite.h"
#include "weapons/StraightLasers.h"

namespace {

// Where point i of the blade lies, exactly.
std::pair<double, double> pointOf(const Enemy7Image& blade, int i, double th, double scale,
                                  double x = 0.0, double y = 0.0) {
  double ox = -1.0;
  double oy = -1.0;
  blade.get_xy(i, th, scale, ox, oy, x, y);
  return {ox, oy};
}

class Enemy7 : public ::testing::Test {
 protected:
  // Updates the sprite, the boss unless told, n times; logs its shots and drops its effects.
  std::vector<FiredShot> run(int n, Enemy7Sprite* sprite = nullptr) {
    std::vector<FiredShot> fired;
    for (int i = 0; i < n; ++i) {
      (sprite ? *sprite : boss).update();
      for (const FiredShot& shot : shots.take(world)) fired.push_back(shot);
      for (MySprite* effect = nullptr; world.addosprites.pop(effect);) delete effect;
    }
    return fired;
  }

  World world;
  ShotLog shots;
  // The boss is the world's, as in play: the orbiting shots start from it.
  Enemy7Sprite& boss =
      static_cast<Enemy7Sprite&>(*(world.es = std::make_unique<Enemy7Sprite>(400, 200)));
};

}  // namespace

// Every point the blade reports (the spoke tips fire from them) lies where its drawing puts it, up
// to one pixel per truncation on the way there. Mirrored, every point is the reflection of the
// plain blade's point about the line through the drawing point half the apex angle on from the
// blade's turn.
TEST(Enemy7Image, ReportedPointsAreTheDrawnPointsInEveryFoldAndMirror) {
  struct Case {
    int unfold;
    double firstTh, th, scale;
    bool invert;
  };
  const Case cases[] = {{0, 0.0, 0.0, 1.0, false},
                        {37, 0.3, 1.1, 1.0, true},
                        {37, 0.3, -2.8, 1.0, true},
                        {100, -2.0, 2.9, 2.0, false},
                        {130, 5.0, -0.4, 1.0, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE("unfold " + std::to_string(c.unfold) + ", turned " + std::to_string(c.th));
    Enemy7Image blade(50.0, c.firstTh, 0x0000FF, 0xFF0000);
    blade.unfold(c.unfold);
    Enemy7Image plain = blade;
    blade.set_invertpts(c.invert);
    RecordingCanvas canvas;
    blade.draw(canvas, 300.7, 200.2, c.th, c.scale, kOwnColor, kOwnColor);
    ASSERT_EQ(canvas.calls.size(), 6u);
    const std::vector<Point>& drawn = canvas.calls[0].points;
    ASSERT_EQ(drawn.size(), 13u);
    const double axis = neg_to_pos(c.firstTh) + c.th + 0.44879857142857144;
    for (int i = 0; i < 13; ++i) {
      const int depth = i < 7 ? i + 1 : 14 - i;  // truncations on the way
      const auto [x, y] = pointOf(blade, i, c.th, c.scale, 300.7, 200.2);
      EXPECT_LE(std::abs(x - drawn[i].x), depth) << "point " << i;
      EXPECT_LE(std::abs(y - drawn[i].y), depth) << "point " << i;
      if (!c.invert) continue;
      const auto [px, py] = pointOf(plain, i, c.th, c.scale);
      const double r = std::hypot(px, py);
      const double reflected = 2 * axis - std::atan2(py, px);
      EXPECT_NEAR(x - 300.7, r * std::cos(reflected), 1e-9) << "mirrored point " << i;
      EXPECT_NEAR(y - 200.2, r * std::sin(reflected), 1e-9) << "mirrored point " << i;
    }
    for (std::size_t j = 0; j < 5; ++j) {
      EXPECT_EQ(canvas.calls[j + 1].points,
                (std::vector<Point>{drawn[j], drawn[j + 1], drawn[12 - j]}));
    }
  }
}

// Below 100 life the first frame already fires by the new periods, from wherever the shot timer
// stands: aimed shots, rings of stars and the fans sweeping right or left.
TEST_F(Enemy7, TriangleVolleysHardenBelowHundredLifeFromTheFirstFrame) {
  struct Case {
    int framesAtFullLife, aimed, stars, fanRight, fanLeft;
  };
  const Case cases[] = {
      {0, 1, 14, 12, 0},  // subcount 0 matches every pattern
      {50, 0, 14, 0, 0},
      {70, 1, 0, 0, 12},  // 70 is 5 into the aimed period and the left-sweeping fan
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.framesAtFullLife);
    Enemy7Sprite triangle(400, 200);
    run(c.framesAtFullLife, &triangle);
    ASSERT_TRUE(triangle.damage(triangle.get_life() - 99));
    Case got{c.framesAtFullLife, 0, 0, 0, 0};
    for (const FiredShot& shot : run(1, &triangle)) {
      if (shot.is<EnemyLaserSprite>()) {
        ++got.stars;
        continue;
      }
      ASSERT_TRUE(shot.is<EnemyLLSprite>());
      const double fromX = shot.x - triangle.get_x();
      if (fromX == 0.0) {
        ++got.aimed;
        EXPECT_NEAR(std::hypot(shot.dx, shot.dy), 8.0, 1e-9);
      } else {
        EXPECT_EQ(std::abs(fromX), 20.0);
        ++(shot.dx > 0 ? got.fanRight : got.fanLeft);
      }
    }
    EXPECT_EQ((std::array{got.aimed, got.stars, got.fanRight, got.fanLeft}),
              (std::array{c.aimed, c.stars, c.fanRight, c.fanLeft}));
  }
}

// The killing hit shakes the triangle for 91 frames and bursts it in 5, refusing hits; it pauses
// and unfolds in 421 more, silent, counting hits without dying and adding 452 life. The next hit on
// the wheel breaks it up.
TEST_F(Enemy7, TransitionRefusesHitsThenCountsThemWithoutKillingAndRefillsLife) {
  run(30);
  ASSERT_TRUE(boss.damage(boss.get_life() + 7));
  const std::tuple<const char*, int, bool> stages[] = {
      {"updatetrbreakup", 91, false}, {"updatetrdestroy", 5, false}, {"updatetonormal", 421, true}};
  for (const auto& [state, length, hurt] : stages) {
    SCOPED_TRACE(state);
    int frames = 0;
    for (; boss.state_name() == std::string(state); ++frames) {
      EXPECT_EQ(boss.damage(frames == 0 ? 1000 : 0), hurt);
      EXPECT_TRUE(run(1).empty());
    }
    EXPECT_EQ(frames, length);
  }
  EXPECT_STREQ(boss.state_name(), "updatenormal");
  EXPECT_EQ(boss.get_life(), -7 - 1000 + 452);
  EXPECT_TRUE(boss.damage(1));
  EXPECT_STREQ(boss.state_name(), "updatebreakup");
}

// A shard drifts at a whole-number velocity of -3..3 and spins within a twelfth of a half turn;
// it goes only once the 50 x 50 square around it is wholly off the field, so one at rest never
// does. Forty of them, for a broad spread of velocities.
TEST_F(Enemy7, ShardsDriftSpinAndGoOnlyWhollyOffTheField) {
  const Rect& rc = world.rc;
  for (int n = 0; n < 40; ++n) {
    SCOPED_TRACE("shard " + std::to_string(n));
    Enemy7DebrisSprite shard(397, 142);
    EXPECT_EQ(shard.image().size(), 4);
    for (double v : {shard.get_vx(), shard.get_vy()}) {
      EXPECT_EQ(v, std::trunc(v));
      EXPECT_LE(std::abs(v), 3.0);
    }
    EXPECT_LE(std::abs(shard.get_dangle()), 3.14159 / 12 + 1e-12);
    int asked = 0;
    int off = 0;
    for (int frame = 1; frame <= 1000 && asked == 0; ++frame) {
      shard.update();
      const double x = shard.get_x();
      const double y = shard.get_y();
      if (off == 0 &&
          (x - 25 >= rc.right || x + 25 <= rc.left || y - 25 >= rc.bottom || y + 25 <= rc.top)) {
        off = frame;
      }
      if (world.delosprites.size() > 0) asked = frame;
    }
    EXPECT_EQ(asked, off);
    EXPECT_EQ(asked == 0, shard.get_vx() == 0.0 && shard.get_vy() == 0.0);
    for (MySprite* request = nullptr; world.delosprites.pop(request);) {
    }
  }
}
