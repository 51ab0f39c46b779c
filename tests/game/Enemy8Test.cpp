// The level-4 boss and its satellites: the intro ring, the timetable of orders and where they put
// the satellites, the manoeuvres' volleys, the second pattern with its wings, and how both die.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "bosses/Enemy8.h"
#include "game/BlastSprite.h"
#include "game/World.h"
#include "player/PlayerSprite.h"
#include "sprites/HitTest.h"
#include "support/RecordingCanvas.h"
#include "weapons/AcceleratingShots.h"
#include "weapons/EnemyLaserSprite.h"
#include "weapons/Pulses.h"
#include "weapons/StraightLasers.h"

namespace {

constexpr double kPi = 3.14159;
constexpr int kIntroFrames = 61 + 161;

enum class Kind { pellet, bar, star, pointed, arcing, bolt, pulse, other };

Kind kindOf(const MySprite* shot) {
  if (dynamic_cast<const SmallLaserSprite*>(shot)) return Kind::pellet;
  if (dynamic_cast<const RedRapidLaserSprite*>(shot)) return Kind::bar;
  if (dynamic_cast<const EnemyLaserSprite*>(shot)) return Kind::star;
  if (dynamic_cast<const EnemyLLSprite*>(shot)) return Kind::pointed;
  if (dynamic_cast<const EnemyLTLSprite*>(shot)) return Kind::arcing;
  if (dynamic_cast<const BSTLaserSprite*>(shot)) return Kind::bolt;
  if (dynamic_cast<const YSPulseSprite*>(shot)) return Kind::pulse;
  return Kind::other;
}

// A shot as fired: its kind, where it started, its first step, and who fired it (the boss is -1,
// satellites 0 to 7, by which of them it started nearest to).
struct Shot {
  Kind kind;
  double x, y, dx, dy;
  int from;
};

// The level-4 boss and its satellites in a world of their own, run as the game frame runs them:
// the other sprites first, then the boss. Shots are noted and dropped; effects stay in play.
class Level4 : public ::testing::Test {
 protected:
  Level4() { start(800, 600); }

  void start(int width, int height) { startAt(width, height, width / 2); }
  void startAt(int width, int height, int x) {
    world.es.reset();
    world.osl.clear();
    world.rc = {0, 0, width, height};
    world.es = std::make_unique<Enemy8Sprite>(x, 180);
    commitOthers();
  }
  // A new boss past its intro whose fighting state has just given the order at count `order`.
  void toOrder(int order, int width = 800, int height = 600) {
    start(width, height);
    frames(kIntroFrames);
    runToCount(order);
  }

  Enemy8Sprite& boss() { return static_cast<Enemy8Sprite&>(*world.es); }
  const Enemy8childSprite& sat(int i) { return *boss().satellite(i); }
  std::pair<double, double> at(int i) { return {sat(i).get_x(), sat(i).get_y()}; }

  std::vector<Shot> frame() {
    for (SpriteNode* node = world.osl.get_first(); node; node = node->get_next()) {
      node->get_vec()->update();
    }
    world.es->update();
    std::vector<Shot> shots;
    for (MySprite* shot = nullptr; world.addesprites.pop(shot);) {
      Shot s{kindOf(shot), shot->get_x(), shot->get_y(), 0, 0, firer(shot->get_x(), shot->get_y())};
      shot->update();
      s.dx = shot->get_x() - s.x;
      s.dy = shot->get_y() - s.y;
      shots.insert(shots.begin(), s);
      delete shot;
    }
    commitOthers();
    return shots;
  }
  void frames(int n) {
    for (int i = 0; i < n; ++i) frame();
  }
  // Runs until the boss's update with count c of its present state has run.
  void runToCount(int c) {
    while (boss().get_count() <= c) frame();
  }

  int firer(double x, double y) {
    int best = -1;
    double bestDistance = std::hypot(x - boss().get_x(), y - boss().get_y());
    for (int i = 0; i < 8; ++i) {
      const double d = std::hypot(x - sat(i).get_x(), y - sat(i).get_y());
      if (d < bestDistance) {
        best = i;
        bestDistance = d;
      }
    }
    return best;
  }

  void commitOthers() {
    for (MySprite* s = nullptr; world.delosprites.pop(s);) world.osl.delete_sprite(s);
    for (MySprite* s = nullptr; world.addosprites.pop(s);) world.osl.push_last(s);
  }

  int satellitesInList() const {
    int n = 0;
    for (SpriteNode* node = world.osl.get_first(); node; node = node->get_next()) {
      n += dynamic_cast<Enemy8childSprite*>(node->get_vec()) != nullptr;
    }
    return n;
  }

  World world;
};

int countOf(const std::vector<Shot>& shots, Kind kind, int from) {
  int n = 0;
  for (const Shot& s : shots) n += s.kind == kind && s.from == from;
  return n;
}

}  // namespace

// The eight satellites join the list at the first commit at the boss's start point, and for 61
// frames sit on a ring of radius 32 at the angles 0, pi/4, ..., 7pi/4, silent.
TEST_F(Level4, IntroHoldsTheSatellitesOnARingOfRadius32) {
  for (const auto& [width, height] : {std::pair(800, 600), std::pair(794, 571)}) {
    start(width, height);
    SCOPED_TRACE(width);
    const double cx = width / 2;
    ASSERT_EQ(satellitesInList(), 8);
    EXPECT_EQ(world.osl.get_count(), 8);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(at(i), std::pair(cx, 180.0)) << i;
    for (int f = 1; f <= 61; ++f) {
      EXPECT_TRUE(frame().empty()) << f;
      for (int i = 0; i < 8; ++i) {
        EXPECT_NEAR(std::hypot(sat(i).get_x() - cx, sat(i).get_y() - 180), 32, 1e-9);
        EXPECT_DOUBLE_EQ(sat(i).get_angle(), neg_to_pos(i * kPi / 4.0));
        EXPECT_STREQ(sat(i).state_name(), "upd_nrm");
      }
    }
    EXPECT_STREQ(boss().state_name(), "updatenormalintro2");
    // The break-out: two side pellets from each satellite in the first frame of the second intro.
    const auto breakout = frame();
    for (int i = 0; i < 8; ++i) EXPECT_EQ(countOf(breakout, Kind::pellet, i), 2) << i;
    EXPECT_EQ(boss().get_x(), cx);
  }
}

// The first fan of nine arcing lasers comes at count 0 of the fighting state, then every 80.
TEST_F(Level4, FirstFanAtCountZeroOfUpdatenormalThenEvery80) {
  frames(kIntroFrames);
  ASSERT_STREQ(boss().state_name(), "updatenormal");
  ASSERT_EQ(boss().get_count(), 0);
  std::vector<int> fanCounts;
  for (int count = 0; count < 249; ++count) {
    const auto shots = frame();
    if (countOf(shots, Kind::arcing, -1) == 0) continue;
    fanCounts.push_back(count);
    ASSERT_EQ(shots.size(), 9u) << count;
    for (int i = 0; i < 9; ++i) {
      EXPECT_DOUBLE_EQ(shots[i].dx, i * 1.5 - 6.0) << i;
      EXPECT_NEAR(shots[i].dy, 1.05, 1e-9) << i;
    }
  }
  EXPECT_EQ(fanCounts, (std::vector<int>{0, 80, 160, 240}));
}

namespace {

// Where the orders put the satellites, in the full field and in a narrower, shorter one.
using Row8 = std::array<double, 8>;
struct Placing {
  int order, width;  // 800 x 600 or 794 x 571
  Row8 x, y;
};
constexpr Row8 kDropY = {-320, -220, -120, -20, -20, -120, -220, -320};
constexpr Row8 kColumnY = {-80, -160, -240, -320, -320, -240, -160, -80};
constexpr Placing kPlacings[] = {
    {249, 800, {-40, -40, -40, -40, 840, 840, 840, 840}, {66, 198, 330, 462, 132, 264, 396, 528}},
    {249, 794, {-40, -40, -40, -40, 834, 834, 834, 834}, {63, 189, 315, 441, 126, 252, 378, 504}},
    {549, 800, {80, 160, 240, 320, 480, 560, 640, 720}, kDropY},
    {549, 794, {80, 159, 239, 318, 476, 555, 635, 714}, kDropY},
    {1234, 800, {30, 110, 190, 270, 530, 610, 690, 770}, kColumnY},
    {1234, 794, {30, 109, 189, 268, 526, 605, 685, 764}, kColumnY},
    {2025, 800, {-30, -30, -30, -30, 830, 830, 830, 830}, {120, 240, 360, 480, 480, 360, 240, 120}},
    {2025, 794, {-30, -30, -30, -30, 824, 824, 824, 824}, {114, 228, 342, 456, 456, 342, 228, 114}},
};

}  // namespace

// Where each order of the 2700-frame timetable puts the eight satellites, and in which state.
TEST_F(Level4, OrdersPlaceTheSatellitesForBothFieldSizes) {
  // The columns: stars from the outer pair, a downward fan from the third, pointed lasers between.
  const char* const columns[8] = {"upd_nrm4c", "upd_nrm4a", "upd_nrm4b", "upd_nrm4a",
                                  "upd_nrm4a", "upd_nrm4b", "upd_nrm4a", "upd_nrm4c"};
  for (const Placing& p : kPlacings) {
    SCOPED_TRACE("width " + std::to_string(p.width) + ", order at " + std::to_string(p.order));
    toOrder(p.order, p.width, p.width == 800 ? 600 : 571);
    for (int i = 0; i < 8; ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(sat(i).get_x(), p.x[i]);
      EXPECT_EQ(sat(i).get_y(), p.y[i]);
      const bool left = i < 4;
      const int pair = left ? i : 7 - i;
      switch (p.order) {
        case 249:
          EXPECT_STREQ(sat(i).state_name(), "upd_nrm1");
          EXPECT_EQ(sat(i).get_vx(), left ? 8.0 : -8.0);
          EXPECT_EQ(sat(i).get_angle(), left ? kPi : 0.0);
          break;
        case 549:
          EXPECT_STREQ(sat(i).state_name(), "upd_nrm2con");
          EXPECT_EQ(sat(i).get_count(), 12 * pair - 30);
          break;
        case 1234:
          EXPECT_STREQ(sat(i).state_name(), columns[i]);
          EXPECT_EQ(sat(i).get_count(), -10 * pair);
          EXPECT_EQ(sat(i).get_vy(), 16.0);
          EXPECT_EQ(sat(i).get_angle(), -1.570795);
          break;
        case 2025:
          EXPECT_STREQ(sat(i).state_name(), "upd_nrm5intro");
          EXPECT_EQ(sat(i).get_angle(), left ? -kPi : 0.0);
          break;
      }
    }
  }
}

// At 934 every satellite takes its own direction and closes in on where the ship was from eight
// sides: 150 pixels short of it and 50 to the side after 60 frames, then it flies out.
TEST_F(Level4, CloseInOrderPassesTheShipFromEightDirections) {
  toOrder(934);
  for (int i = 0; i < 8; ++i) {
    EXPECT_STREQ(sat(i).state_name(), "upd_nrm3con");
    EXPECT_DOUBLE_EQ(sat(i).get_angle(), i * kPi / 4.0 + 0.39269875);
  }
  const double px = world.psp->get_x();
  const double py = world.psp->get_y();
  std::array<double, 8> nearest;
  nearest.fill(1e9);
  frame();
  for (int f = 0; f < 130; ++f) {
    frame();
    for (int i = 0; i < 8; ++i) {
      nearest[i] = std::min(nearest[i], std::hypot(sat(i).get_x() - px, sat(i).get_y() - py));
    }
  }
  for (int i = 0; i < 8; ++i) EXPECT_NEAR(nearest[i], std::hypot(150, 50), 2.0) << i;
}

// Only a counting hit in updatenormal that leaves 1 to 100 life points starts the second pattern;
// hits in the intro states lower life and switch nothing, and the second pattern never switches
// back.
TEST_F(Level4, SecondPatternStartsAtExactly100LifeFromUpdatenormalOnly) {
  struct Case {
    const char* when;
    int framesBefore;
    std::vector<int> hits;
    const char* stateAfter;
    int lifeAfter;
  };
  const Case cases[] = {
      {"fighting, 101 to 100", kIntroFrames + 10, {299, 1}, "updatenormal2", 100},
      {"fighting, 102 to 101", kIntroFrames + 10, {298, 1}, "updatenormal", 101},
      {"fighting, 101 to 0", kIntroFrames + 10, {299, 101}, "updatebreakup", 0},
      {"second pattern, hit again", kIntroFrames + 10, {299, 1, 1}, "updatenormal2", 99},
      {"intro", 10, {299, 1}, "updatenormalintro", 100},
      {"second intro", 100, {299, 1}, "updatenormalintro2", 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.when);
    start(800, 600);
    frames(c.framesBefore);
    for (int points : c.hits) EXPECT_TRUE(boss().damage(points));
    EXPECT_STREQ(boss().state_name(), c.stateAfter);
    EXPECT_EQ(boss().get_life(), c.lifeAfter);
    if (std::string(c.stateAfter) == "updatenormal2") {
      EXPECT_EQ(boss().get_count(), 0);
      for (int i = 0; i < 8; ++i) {
        EXPECT_STREQ(sat(i).state_name(), "upd_trans");
        EXPECT_EQ(sat(i).get_count(), 0);
      }
    }
    if (c.framesBefore < kIntroFrames) {
      // The fighting state starts with 100 life points and keeps the first pattern until the next
      // counting hit.
      frames(kIntroFrames + 20 - c.framesBefore);
      EXPECT_STREQ(boss().state_name(), "updatenormal");
      EXPECT_TRUE(boss().damage(1));
      EXPECT_STREQ(boss().state_name(), "updatenormal2");
    }
  }
}

// The satellites fly off, are put 800 pixels out beyond their wing points at count 100, arrive
// there in 60 frames and from count 161 on ride along with the boss's sway.
TEST_F(Level4, SecondPatternBringsTheSatellitesBackFromFarAwayAsWings) {
  const double wings[8][2] = {{40, 90},  {120, 60},  {200, 30},  {280, 30},
                              {-40, 90}, {-120, 60}, {-200, 30}, {-280, 30}};
  frames(kIntroFrames + 37);
  ASSERT_TRUE(boss().damage(300));
  std::array<double, 8> before;
  for (int i = 0; i < 8; ++i) before[i] = sat(i).get_y();
  frames(50);
  for (int i = 0; i < 8; ++i) {
    EXPECT_LT(sat(i).get_vy(), -3) << "flying off upwards " << i;
    EXPECT_LT(sat(i).get_y(), before[i]) << i;
  }
  runToCount(100);
  const double cx = 400;
  const double cy = 180;
  for (int i = 0; i < 8; ++i) {
    const double tx = cx + wings[i][0];
    const double ty = cy + wings[i][1];
    EXPECT_NEAR(std::hypot(sat(i).get_x() - tx, sat(i).get_y() - ty), 800, 1e-9) << i;
    EXPECT_NEAR(std::hypot(sat(i).get_x() - cx, sat(i).get_y() - cy),
                800 + std::hypot(wings[i][0], wings[i][1]), 1e-6)
        << "straight out from the centre " << i;
    EXPECT_STREQ(sat(i).state_name(), "upd_2coming");
    EXPECT_EQ(sat(i).get_count(), 0);
  }
  runToCount(160);
  for (int i = 0; i < 8; ++i) {
    EXPECT_NEAR(sat(i).get_x(), cx + wings[i][0], 0.2) << i;
    EXPECT_NEAR(sat(i).get_y(), cy + wings[i][1], 0.2) << i;
    EXPECT_STREQ(sat(i).state_name(), "upd_2nrm");
    EXPECT_EQ(sat(i).get_angle(), -1.570795);
  }
  std::array<double, 8> heights;
  for (int i = 0; i < 8; ++i) heights[i] = sat(i).get_y();
  for (int f = 0; f < 120; ++f) {
    frame();
    EXPECT_EQ(boss().get_y(), cy);
    for (int i = 0; i < 8; ++i) {
      EXPECT_EQ(sat(i).get_x(), boss().get_x() + wings[i][0]) << i;
      EXPECT_EQ(sat(i).get_y(), heights[i]) << i;
    }
  }
}

// Every 40 frames a wing fires one pointed laser down-left when ten times the boss's x truncates
// to an even number, down-right when odd, and none when negative and odd.
TEST_F(Level4, WingsFireLeftOrRightByTheParityOfTenTimesTheBossX) {
  int outcomes[3] = {0, 0, 0};  // left, right, none
  for (int startX : {397, -100}) {
    SCOPED_TRACE(startX);
    startAt(800, 600, startX);
    frames(kIntroFrames);
    ASSERT_TRUE(boss().damage(300));
    runToCount(160);
    for (int f = 0; f < 800; ++f) {
      const double bossX = boss().get_x();  // as the satellites see it: before the boss moves
      std::array<int, 8> counts;
      for (int i = 0; i < 8; ++i) counts[i] = sat(i).get_count();
      const auto shots = frame();
      for (int i = 0; i < 8; ++i) {
        if (counts[i] % 40 != 0) continue;
        const int r = static_cast<int>(10 * bossX) % 2;
        int fired = 0;
        for (const Shot& s : shots) {
          if (s.kind != Kind::pointed || s.from != i) continue;
          ++fired;
          EXPECT_EQ(s.dx, r == 0 ? -2.5 : 2.5);
          EXPECT_EQ(s.dy, 5.0);
        }
        EXPECT_EQ(fired, r == -1 ? 0 : 1) << "boss x " << bossX;
        ++outcomes[r == -1 ? 2 : r];
      }
    }
  }
  for (int n : outcomes) EXPECT_GT(n, 0);
}

// Satellites that wait: a drop stands still until its count reaches 0 and moves the frame after;
// a manoeuvre-4 satellite stands still for ten frames per pair, drops for 50 and holds; a
// close-in stops for good at count 131.
TEST_F(Level4, SatellitesWaitTheirTurnAndStopWhereTheManoeuvreSays) {
  struct Case {
    int order, satellite, firstMoving, lastMoving, watch;
  };
  const Case cases[] = {
      {549, 0, 31, 200, 200}, {549, 1, 19, 200, 200}, {549, 2, 7, 200, 200},
      {549, 3, 2, 200, 200},  {1234, 0, 1, 50, 200},  {1234, 1, 11, 60, 200},
      {1234, 6, 11, 60, 200}, {1234, 3, 31, 80, 200}, {934, 4, 1, 132, 290},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("order " + std::to_string(c.order) + ", satellite " + std::to_string(c.satellite));
    toOrder(c.order);
    for (int f = 1; f <= c.watch; ++f) {
      const auto before = at(c.satellite);
      frame();
      const bool moved = at(c.satellite) != before;
      EXPECT_EQ(moved, c.firstMoving <= f && f <= c.lastMoving) << "frame " << f;
    }
  }
}

// Which shots each manoeuvre fires, how many at once, and at which counts of its handler.
TEST_F(Level4, ManoeuvresFireTheirVolleysAtTheirFrames) {
  const auto every = [](int from, int to, int step) {
    std::vector<int> counts;
    for (int c = from; c <= to; c += step) counts.push_back(c);
    return counts;
  };
  std::vector<int> bolts;
  for (int c = 472; c < 520; ++c) {
    if (c % 40 > 19) bolts.push_back(c);
  }
  struct Case {
    int order, satellite;
    const char* state;
    Kind kind;
    int perVolley;
    std::vector<int> counts;  // the satellite's count as its update starts
    int watch;
  };
  const Case cases[] = {
      {249, 0, "upd_nrm1", Kind::pellet, 2, {161, 168, 175}, 20},
      {549, 3, "upd_nrm2", Kind::bar, 8, {50, 51, 52, 95, 96, 97, 140, 141, 142}, 300},
      {549, 0, "upd_nrm2", Kind::bar, 8, {50, 51, 52, 95, 96, 97, 140, 141, 142}, 300},
      {934, 5, "upd_nrm3", Kind::pulse, 2, {59}, 300},  // as the count turns 60
      {934, 5, "upd_nrm3", Kind::star, 1, {94}, 300},   // and 95
      {1234, 1, "upd_nrm4a", Kind::pointed, 5, every(84, 420, 42), 500},
      {1234, 1, "upd_nrm4a", Kind::pellet, 2, {480}, 500},
      {1234, 2, "upd_nrm4b", Kind::arcing, 2, every(60, 420, 60), 500},
      {1234, 7, "upd_nrm4c", Kind::star, 1, {130, 260, 390}, 500},
      {2025, 0, "upd_nrm5", Kind::pellet, 1, every(0, 460, 20), 540},
      {2025, 6, "upd_nrm5", Kind::bolt, 2, bolts, 540},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("order " + std::to_string(c.order) + ", satellite " + std::to_string(c.satellite));
    toOrder(c.order);
    std::vector<int> seen;
    for (int f = 0; f < c.watch; ++f) {
      const int count = sat(c.satellite).get_count();
      const std::string state = sat(c.satellite).state_name();
      const int fired = countOf(frame(), c.kind, c.satellite);
      if (fired == 0) continue;
      seen.push_back(count);
      EXPECT_EQ(fired, c.perVolley) << count;
      EXPECT_EQ(state, c.state) << count;
    }
    EXPECT_EQ(seen, c.counts);
  }
}

// The boss's death sends every satellite into a break-up of its own, 51 frames less its random
// start count, then five large blasts, then it is dead and unseen; all the while it is drawn,
// refuses damage and stays put. A second destroy() starts the break-up over.
TEST_F(Level4, SatellitesBreakUpForTheirOwnTimeAndDestroyStartsItOver) {
  frames(kIntroFrames + 300);
  ASSERT_TRUE(boss().damage(400));
  const auto drawn = [](const Enemy8childSprite& s) {
    RecordingCanvas canvas;
    const_cast<Enemy8childSprite&>(s).draw(canvas);
    return !canvas.calls.empty();
  };
  std::array<int, 8> breakup;
  std::array<std::pair<double, double>, 8> where;
  for (int i = 0; i < 8; ++i) {
    EXPECT_STREQ(sat(i).state_name(), "upd_brk");
    breakup[i] = 51 - sat(i).get_count();
    EXPECT_GE(breakup[i], 42);
    EXPECT_LE(breakup[i], 51);
    where[i] = at(i);
  }
  for (int f = 1; f <= 60; ++f) {
    frame();
    for (int i = 0; i < 8; ++i) {
      SCOPED_TRACE("satellite " + std::to_string(i) + ", frame " + std::to_string(f));
      const char* expected = f < breakup[i]       ? "upd_brk"
                             : f < breakup[i] + 5 ? "upd_dst"
                                                  : "upd_wait";
      EXPECT_STREQ(sat(i).state_name(), expected);
      EXPECT_EQ(sat(i).isdead(), f >= breakup[i] + 5);
      EXPECT_EQ(drawn(sat(i)), f < breakup[i] + 5);
      EXPECT_EQ(at(i), where[i]);
    }
  }
  // A destroy() in the middle of a break-up starts it over with a new random count.
  start(800, 600);
  frames(kIntroFrames);
  ASSERT_TRUE(boss().damage(400));
  frames(20);
  auto* first = const_cast<Enemy8childSprite*>(boss().satellite(0));
  ASSERT_STREQ(first->state_name(), "upd_brk");
  ASSERT_FALSE(first->damage(1));
  Random predicted = world.random;
  first->destroy();
  const int restart = predicted.rand() % 10;
  EXPECT_EQ(first->get_count(), restart);
  frames(50 - restart);
  EXPECT_STREQ(first->state_name(), "upd_brk");
  frame();
  EXPECT_STREQ(first->state_name(), "upd_dst");
  EXPECT_EQ(first->get_life(), 500);
}

// A replaced boss takes exactly its own satellites with it, whether they are in the list already or
// still waiting to join it, and leaves no request behind that could name another sprite.
TEST_F(Level4, ReplacedBossTakesOnlyItsOwnSatellites) {
  for (bool committed : {true, false}) {
    SCOPED_TRACE(committed ? "in the list" : "waiting to join");
    world.es.reset();
    world.osl.clear();
    world.es = std::make_unique<Enemy8Sprite>(400, 180);
    if (committed) frames(100);
    auto* blast = new BlastSprite(10, 10, 30);
    world.osl.push_first(blast);
    world.es = std::make_unique<Enemy8Sprite>(200, 180);
    commitOthers();
    EXPECT_EQ(satellitesInList(), 8);
    EXPECT_EQ(world.osl.get_count(), 9);
    EXPECT_EQ(world.osl.get_first()->get_vec(), blast);
    EXPECT_TRUE(world.delosprites.empty());
    for (int i = 0; i < 8; ++i) EXPECT_EQ(sat(i).get_parent(), &boss());
  }
}
