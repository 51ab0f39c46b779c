// The level-2 boss: its 881-frame cycle, the ring's gap, its aim at the ship.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "bosses/Enemy6.h"
#include "game/World.h"
#include "player/PlayerSprite.h"
#include "weapons/AcceleratingShots.h"
#include "weapons/EnemyLaserSprite.h"
#include "weapons/StraightLasers.h"

namespace {

// What one update fired, by kind.
struct Volley {
  int stars = 0;
  int pointed = 0;
  int bars = 0;
  std::vector<MySprite*> shots;  // in the order fired; owned by the world's enemy list
};

class Enemy6 : public ::testing::Test {
 protected:
  Volley step() {
    boss.update();
    Volley volley;
    for (MySprite* shot = nullptr; world.addesprites.pop(shot);) {
      volley.shots.insert(volley.shots.begin(), shot);
      world.esl.push_first(shot);
      volley.stars += dynamic_cast<EnemyLaserSprite*>(shot) != nullptr;
      volley.pointed += dynamic_cast<EnemyLLSprite*>(shot) != nullptr;
      volley.bars += dynamic_cast<RedRapidLaserSprite*>(shot) != nullptr;
    }
    return volley;
  }

  // The direction a shot flies in, from one step of it.
  static double heading(MySprite* shot) {
    const double x = shot->get_x();
    const double y = shot->get_y();
    shot->update();
    return std::atan2(shot->get_y() - y, shot->get_x() - x);
  }

  World world;
  Enemy6Sprite boss{400, 200};
};

}  // namespace

// The first cycle runs from count 1 to 880; the volleys of each stretch, the ring's gap and the
// boss's movement at its end.
TEST_F(Enemy6, FirstCycleFiresItsTimetableAndOpensAndClosesTheRing) {
  struct Stretch {
    int from, to, stars, pointed, bars, gapAtEnd;
    bool movingAtEnd;
  };
  const Stretch stretches[] = {
      {1, 19, 0, 22, 0, 0, false},     // pairs at count % 120 in 1..4 and 13..19
      {20, 20, 5, 2, 0, 0, false},     // the first aimed spread
      {21, 59, 0, 18, 0, 0, false},    // pairs at 21..29; no course yet, so no movement
      {60, 479, 40, 132, 0, 0, true},  // spreads at 100, 120, ..., 420; roaming from 60
      {480, 579, 0, 0, 0, 99, false},  // stops and opens
      {580, 779, 0, 40, 200, 99, false},
      {780, 880, 0, 0, 0, 1, false},  // closes to a gap of 1 and the count turns to -1
  };
  for (const Stretch& s : stretches) {
    Volley total;
    for (int count = s.from; count <= s.to; ++count) {
      const Volley v = step();
      total.stars += v.stars;
      total.pointed += v.pointed;
      total.bars += v.bars;
    }
    SCOPED_TRACE("counts " + std::to_string(s.from) + ".." + std::to_string(s.to));
    EXPECT_EQ(total.stars, s.stars);
    EXPECT_EQ(total.pointed, s.pointed);
    EXPECT_EQ(total.bars, s.bars);
    EXPECT_EQ(boss.get_gap(), s.gapAtEnd);
    EXPECT_EQ(boss.get_vx() != 0 || boss.get_vy() != 0, s.movingAtEnd);
    if (s.to < 60) {
      EXPECT_EQ(std::pair(boss.get_x(), boss.get_y()), std::pair(400.0, 200.0));
    }
  }
  EXPECT_EQ(boss.get_count(), -1);

  // The next cycle opens at count 0 with a spread, a pair on top of each other and a new course.
  const Volley start = step();
  EXPECT_EQ(boss.get_count(), 0);
  EXPECT_EQ(start.stars, 5);
  ASSERT_EQ(start.pointed, 2);
  EXPECT_NEAR(std::hypot(boss.get_vx(), boss.get_vy()), 1.0, 1e-12);
  MySprite* first = start.shots[5];
  MySprite* second = start.shots[6];
  EXPECT_EQ(heading(first), heading(second));
  EXPECT_EQ(first->get_x(), second->get_x());
}

// The spread's middle star flies straight at the ship, the others 0.6 and 1.2 radians either side
// in the order +0.6, -0.6, +1.2, -1.2.
TEST_F(Enemy6, SpreadIsAimedAtTheShip) {
  world.psp->move_xy(-300, 100);  // the ship at (100, 500)
  for (int count = 1; count < 20; ++count) step();
  const Volley spread = step();
  ASSERT_EQ(spread.stars, 5);
  const double towardsShip = std::atan2(500.0 - 200.0, 100.0 - 400.0);
  const double offsets[] = {0, 0.6, -0.6, 1.2, -1.2};
  for (int i = 0; i < 5; ++i) {
    const double off = std::remainder(heading(spread.shots[i]) - towardsShip, 2 * std::numbers::pi);
    EXPECT_NEAR(off, offsets[i], 1e-4) << "shot " << i;
  }
}

TEST_F(Enemy6, UnfoldOutsideZeroToHundredIsRefusedAndLeavesTheRingAsItWas) {
  Enemy6Image ring;
  ASSERT_TRUE(ring.unfold(37));
  const auto points = [&] {
    std::vector<double> xy;
    for (int i = 0; i < ring.get_body().size(); ++i) {
      double x = 0, y = 0;
      ring.get_body().get_xy(i, 0, 1, &x, &y);
      xy.insert(xy.end(), {x, y});
    }
    return xy;
  };
  const auto before = points();
  EXPECT_FALSE(ring.unfold(-1));
  EXPECT_FALSE(ring.unfold(101));
  EXPECT_EQ(points(), before);
  EXPECT_EQ(ring.gap(), 37);
  // Fully open, the gap is 20 pixels wide between the points of the bottom side.
  ASSERT_TRUE(ring.unfold(100));
  const auto open = points();
  EXPECT_NEAR(open[14] - open[0], 20.0, 1e-4);
  EXPECT_NEAR(open[1], 34.641, 1e-3);
}

// A course chosen towards the boss's own position has no direction: the boss keeps standing.
TEST(Enemy6Course, TowardsItsOwnPositionLeavesTheBossStill) {
  World world;
  Random draws;
  const int tx = draws.rand() % (world.rc.right - 1) + 1;
  const int ty = (draws.rand() % (world.rc.bottom - 1) + 1) / 2;
  Enemy6Sprite boss(tx, ty);
  for (int count = 1; count <= 61; ++count) boss.update();
  EXPECT_EQ(boss.get_vx(), 0.0);
  EXPECT_EQ(boss.get_vy(), 0.0);
  EXPECT_EQ(boss.get_x(), tx);
  EXPECT_EQ(boss.get_y(), ty);
  for (MySprite* shot = nullptr; world.addesprites.pop(shot);) delete shot;
}
