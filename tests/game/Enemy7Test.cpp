// The level-3 boss at the edges its fight may not reach: the triangle's volleys from the first
// frame below 100 life at any point of its shot timer, and the shards that only go wholly off the
// field.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <vector>

#include "bosses/Enemy7.h"
#include "bosses/Enemy7Debris.h"
#include "game/World.h"
#include "support/ShotLog.h"
#include "weapons/EnemyLaserSprite.h"
#include "weapons/StraightLasers.h"

namespace {

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
