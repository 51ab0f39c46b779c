// The level-1 boss: where it flies, when it fires what, and the numbers it draws for its shots.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "bosses/Enemy5.h"
#include "game/Random.h"
#include "game/World.h"
#include "weapons/EnemyLaserSprite.h"
#include "weapons/StraightLasers.h"

namespace {

using Shots = std::vector<std::unique_ptr<MySprite>>;

// What one frame of the boss fired, in the order it was fired.
struct Volley {
  Shots stars;
  Shots fan;
};

class Enemy5Fixture : public ::testing::Test {
 protected:
  Volley takeFired() {
    Shots fired;
    MySprite* shot = nullptr;
    while (world.addesprites.pop(shot)) fired.emplace_back(shot);
    std::reverse(fired.begin(), fired.end());
    Volley volley;
    for (auto& s : fired) {
      if (dynamic_cast<EnemyLaserSprite*>(s.get())) {
        volley.stars.push_back(std::move(s));
      } else {
        EXPECT_NE(dynamic_cast<EnemyLLSprite*>(s.get()), nullptr) << "an unexpected shot";
        volley.fan.push_back(std::move(s));
      }
    }
    return volley;
  }

  // Runs `frames` updates; returns the frame numbers (1-based) with a star and with a fan.
  std::pair<std::vector<int>, std::vector<int>> fireTimes(int frames) {
    std::vector<int> stars;
    std::vector<int> fans;
    for (int frame = 1; frame <= frames; ++frame) {
      boss.update();
      const Volley volley = takeFired();
      if (!volley.stars.empty()) stars.push_back(frame);
      if (!volley.fan.empty()) fans.push_back(frame);
      EXPECT_LE(volley.stars.size(), 1u);
      EXPECT_TRUE(volley.fan.empty() || volley.fan.size() == 9u) << "frame " << frame;
    }
    return {stars, fans};
  }

  World world;
  Enemy5Sprite boss{400, 100};
};

// How far a shot moves in its next update: its velocity.
std::pair<double, double> velocityOf(MySprite& shot) {
  const double x = shot.get_x();
  const double y = shot.get_y();
  shot.update();
  return {shot.get_x() - x, shot.get_y() - y};
}

}  // namespace

// --- Flight
// ---------------------------------------------------------------------------------------

TEST_F(Enemy5Fixture, FirstUpdatePutsItAt439And101WithCountOne) {
  EXPECT_EQ(boss.get_x(), 400);  // the circle's centre until the first frame
  boss.update();
  EXPECT_EQ(boss.get_x(), 439);
  EXPECT_EQ(boss.get_y(), 101);
  EXPECT_EQ(boss.get_count(), 1);
  EXPECT_STREQ(boss.state_name(), "updatenormal");
}

TEST_F(Enemy5Fixture, CirclesWithinFortyPixelsOfItsCentreAboutOnceIn126Frames) {
  for (int frame = 0; frame < 126; ++frame) {
    boss.update();
    takeFired();
    EXPECT_LE(std::abs(boss.get_x() - 400), 40);
    EXPECT_LE(std::abs(boss.get_y() - 100), 40);
  }
  EXPECT_GE(boss.get_x(), 439);  // nearly back where it started, at angle ~0
  EXPECT_NEAR(boss.get_y(), 100, 2);
}

// --- Attack timetable
// -----------------------------------------------------------------------------

TEST_F(Enemy5Fixture, AtFullLifeStarsEvery22AndFansEvery50RepeatingEvery100) {
  const auto [stars, fans] = fireTimes(200);
  EXPECT_EQ(stars, (std::vector<int>{22, 44, 66, 88, 122, 144, 166, 188}));
  EXPECT_EQ(fans, (std::vector<int>{50, 100, 150, 200}));
  EXPECT_EQ(boss.get_count(), 0);
}

TEST_F(Enemy5Fixture, At150LifeFansAt45_90_135AndTheResetWaitsFor135) {
  ASSERT_TRUE(boss.damage(50));
  std::vector<int> fans;
  for (int frame = 1; frame <= 135; ++frame) {
    boss.update();
    if (!takeFired().fan.empty()) fans.push_back(frame);
    if (frame == 100) {
      EXPECT_EQ(boss.get_count(), 100);
    }
  }
  EXPECT_EQ(fans, (std::vector<int>{45, 90, 135}));
  EXPECT_EQ(boss.get_count(), 0);
}

TEST_F(Enemy5Fixture, LosingLifeChangesTheDivisorsAtOnce) {
  for (int frame = 0; frame < 18; ++frame) boss.update();
  takeFired();
  ASSERT_TRUE(boss.damage(50));  // stars now every 19 frames instead of 22
  boss.update();
  EXPECT_EQ(takeFired().stars.size(), 1u);
}

// --- Shots
// ----------------------------------------------------------------------------------------

TEST_F(Enemy5Fixture, FanIsNineLasersFromTheBossSpreadingOutwardsInOrder) {
  for (int frame = 0; frame < 49; ++frame) boss.update();
  takeFired();
  boss.update();
  Volley volley = takeFired();
  ASSERT_EQ(volley.fan.size(), 9u);
  const std::vector<double> spread = {0, 2, -2, 4, -4, 6, -6, 8, -8};
  for (std::size_t i = 0; i < 9; ++i) {
    EXPECT_EQ(volley.fan[i]->get_x(), boss.get_x());
    EXPECT_EQ(volley.fan[i]->get_y(), boss.get_y());
    const auto [vx, vy] = velocityOf(*volley.fan[i]);
    EXPECT_EQ(vx, spread[i]) << "shot " << i;
    EXPECT_EQ(vy, 2);
  }
}

TEST_F(Enemy5Fixture, FansFallFasterAsLifeRunsDown) {
  ASSERT_TRUE(boss.damage(150));  // 50 left: fans every 35 frames at speed 5
  for (int frame = 0; frame < 34; ++frame) boss.update();
  takeFired();
  boss.update();
  Volley volley = takeFired();
  ASSERT_EQ(volley.fan.size(), 9u);
  EXPECT_EQ(velocityOf(*volley.fan[0]).second, 5);
}

TEST_F(Enemy5Fixture, StarDrawsItsSlantThenItsFallInThatOrder) {
  Random reference;
  const double u = (reference.rand() % 10001) / 10000.0;
  const double v = (reference.rand() % 10001) / 10000.0;

  for (int frame = 0; frame < 21; ++frame) boss.update();
  ASSERT_EQ(world.addesprites.size(), 0);
  boss.update();
  Volley volley = takeFired();
  ASSERT_EQ(volley.stars.size(), 1u);
  EXPECT_EQ(volley.stars[0]->get_x(), boss.get_x());
  EXPECT_EQ(volley.stars[0]->get_y(), boss.get_y());
  const auto [vx, vy] = velocityOf(*volley.stars[0]);
  EXPECT_NEAR(vx, u * 4.0 - 2.0, 1e-9);
  EXPECT_NEAR(vy, v * 2 + 0.1, 1e-9);
}
