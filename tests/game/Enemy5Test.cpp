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

class Enemy5 : public ::testing::Test {
 protected:
  // Updates the boss once; what it fired, in the order it fired it.
  Shots step() {
    boss.update();
    Shots fired;
    MySprite* shot = nullptr;
    while (world.addesprites.pop(shot)) fired.emplace_back(shot);
    std::reverse(fired.begin(), fired.end());
    return fired;
  }

  void run(int frames) {
    for (int frame = 0; frame < frames; ++frame) step();
  }

  // Runs on for `frames` frames, noting the frames (counted from the first update) with a single
  // star and with a fan of nine pointed lasers.
  void fireTimes(int frames, std::vector<int>& stars, std::vector<int>& fans) {
    for (int i = 0; i < frames; ++i) {
      const int frame = ++framesRun_;
      const Shots fired = step();
      const auto starCount = std::count_if(fired.begin(), fired.end(), [](const auto& s) {
        return dynamic_cast<EnemyLaserSprite*>(s.get()) != nullptr;
      });
      if (starCount == 1) stars.push_back(frame);
      if (fired.size() - starCount == 9) fans.push_back(frame);
      ASSERT_TRUE(fired.size() - starCount == 0 || fired.size() - starCount == 9);
    }
  }

  World world;
  Enemy5Sprite boss{400, 100};

 private:
  int framesRun_ = 0;
};

// How far a shot moves in its next update: its velocity.
std::pair<double, double> velocityOf(MySprite& shot) {
  const double x = shot.get_x();
  const double y = shot.get_y();
  shot.update();
  return {shot.get_x() - x, shot.get_y() - y};
}

}  // namespace

TEST_F(Enemy5, FirstUpdatePutsItAt439And101WithCountOne) {
  boss.update();
  EXPECT_EQ(boss.get_x(), 439);
  EXPECT_EQ(boss.get_y(), 101);
  EXPECT_EQ(boss.get_count(), 1);
}

// --- Attack timetable
// -----------------------------------------------------------------------------

TEST_F(Enemy5, AtFullLifeStarsEvery22AndFansEvery50RepeatingEvery100) {
  std::vector<int> stars;
  std::vector<int> fans;
  fireTimes(200, stars, fans);
  EXPECT_EQ(stars, (std::vector<int>{22, 44, 66, 88, 122, 144, 166, 188}));
  EXPECT_EQ(fans, (std::vector<int>{50, 100, 150, 200}));
  EXPECT_EQ(boss.get_count(), 0);
}

TEST_F(Enemy5, At150LifeFansAt45_90_135AndTheResetWaitsFor135) {
  ASSERT_TRUE(boss.damage(50));
  std::vector<int> stars;
  std::vector<int> fans;
  fireTimes(100, stars, fans);
  EXPECT_EQ(boss.get_count(), 100);
  fireTimes(35, stars, fans);
  EXPECT_EQ(fans, (std::vector<int>{45, 90, 135}));
  EXPECT_EQ(boss.get_count(), 0);
}

TEST_F(Enemy5, LosingLifeChangesTheDivisorsAtOnce) {
  run(18);
  ASSERT_TRUE(boss.damage(50));  // stars now every 19 frames instead of 22
  EXPECT_EQ(step().size(), 1u);
}

// --- Shots
// ----------------------------------------------------------------------------------------

TEST_F(Enemy5, FanIsNineLasersFromTheBossSpreadingOutwardsInOrder) {
  run(49);
  Shots fan = step();
  ASSERT_EQ(fan.size(), 9u);
  const std::vector<double> spread = {0, 2, -2, 4, -4, 6, -6, 8, -8};
  for (std::size_t i = 0; i < 9; ++i) {
    ASSERT_NE(dynamic_cast<EnemyLLSprite*>(fan[i].get()), nullptr);
    EXPECT_EQ(fan[i]->get_x(), boss.get_x());
    EXPECT_EQ(fan[i]->get_y(), boss.get_y());
    EXPECT_EQ(velocityOf(*fan[i]), std::make_pair(spread[i], 2.0)) << "shot " << i;
  }
}

TEST_F(Enemy5, FansFallFasterAsLifeRunsDown) {
  ASSERT_TRUE(boss.damage(150));  // 50 left: fans every 35 frames at speed 5
  run(34);
  Shots fan = step();
  ASSERT_EQ(fan.size(), 9u);
  EXPECT_EQ(velocityOf(*fan[0]).second, 5);
}

TEST_F(Enemy5, StarDrawsItsSlantThenItsFallInThatOrder) {
  Random reference;
  const double u = (reference.rand() % 10001) / 10000.0;
  const double v = (reference.rand() % 10001) / 10000.0;
  run(21);
  Shots fired = step();
  ASSERT_EQ(fired.size(), 1u);
  EXPECT_EQ(fired[0]->get_x(), boss.get_x());
  const auto [vx, vy] = velocityOf(*fired[0]);
  EXPECT_NEAR(vx, u * 4.0 - 2.0, 1e-9);
  EXPECT_NEAR(vy, v * 2 + 0.1, 1e-9);
}
