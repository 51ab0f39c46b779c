// The level-3 boss: the blade's geometry, the triangle's chase and volleys, the transition into
// the wheel with its debris, and the wheel's three attack phases.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <numbers>
#include <string>
#include <typeindex>
#include <vector>

#include "bosses/Enemy7.h"
#include "bosses/Enemy7Debris.h"
#include "game/BlastSprite.h"
#include "game/World.h"
#include "support/RecordingCanvas.h"
#include "weapons/AcceleratingShots.h"
#include "weapons/EnemyLaserSprite.h"
#include "weapons/OrbitingShot.h"
#include "weapons/Pulses.h"
#include "weapons/StraightLasers.h"
#include "weapons/Tracers.h"

namespace {

constexpr double kTwoPi = 6.28318;

// Where point i of the blade lies, exactly.
std::pair<double, double> pointOf(const Enemy7Image& blade, int i, double th, double scale,
                                  double x = 0.0, double y = 0.0) {
  double ox = -1.0;
  double oy = -1.0;
  blade.get_xy(i, th, scale, ox, oy, x, y);
  return {ox, oy};
}

// An angle brought into -π..π with the exact π, to compare turns.
double wrapped(double a) { return std::remainder(a, 2 * std::numbers::pi); }

// What one update pushed, by class; the shots and effects are owned here.
struct Pushed {
  std::map<std::type_index, int> counts;
  std::vector<std::unique_ptr<MySprite>> shots;
  std::vector<std::unique_ptr<MySprite>> effects;
  template <class T>
  int of() const {
    const auto it = counts.find(typeid(T));
    return it == counts.end() ? 0 : it->second;
  }
};

class Enemy7 : public ::testing::Test {
 protected:
  Pushed step() {
    boss.update();
    Pushed pushed;
    for (MySprite* shot = nullptr; world.addesprites.pop(shot);) {
      ++pushed.counts[typeid(*shot)];
      pushed.shots.insert(pushed.shots.begin(), std::unique_ptr<MySprite>(shot));
    }
    for (MySprite* effect = nullptr; world.addosprites.pop(effect);) {
      ++pushed.counts[typeid(*effect)];
      pushed.effects.insert(pushed.effects.begin(), std::unique_ptr<MySprite>(effect));
    }
    return pushed;
  }
  // The killing hit on the triangle, then the whole transition: the wheel at its first frame.
  void toWheel() {
    ASSERT_TRUE(boss.damage(boss.get_life()));
    while (boss.get_state() != &Enemy7Sprite::updatenormal) step();
  }
  // Runs the wheel until its attack phase is no longer this one; how many frames that took.
  int runPhase(Enemy7Sprite::State phase) {
    int frames = 0;
    for (; boss.get_normalstate() == phase; ++frames) step();
    return frames;
  }

  // The boss is the world's, as in play: the orbiting shots start from it.
  Enemy7Sprite& install() {
    world.es = std::make_unique<Enemy7Sprite>(400, 200);
    return static_cast<Enemy7Sprite&>(*world.es);
  }

  World world;
  Enemy7Sprite& boss = install();
};

}  // namespace

TEST(Enemy7Image, FoldedBladeIsATriangleUnfoldedASpokeAndOutOfRangeAsksAreHarmless) {
  Enemy7Image blade(50.0, 0.0, 0x0000FF, 0xFF0000);
  const auto p = blade.outline(0, 0, 0, 1, false);
  EXPECT_EQ(p[1], (Point{50, 0}));
  EXPECT_EQ(p[2], (Point{31, 39}));
  EXPECT_LE(std::abs(p[3].x) + std::abs(p[3].y), 1);  // back at the apex, up to truncation
  EXPECT_EQ(blade.get_other_th(5), 0.0);
  EXPECT_EQ(blade.get_other_th(-1), 0.0);
  EXPECT_EQ(pointOf(blade, 0, 1.3, 2.0, 10.5, -3.25), std::pair(10.5, -3.25));
  EXPECT_EQ(pointOf(blade, 13, 1.3, 2.0, 10.5, -3.25), std::pair(10.5, -3.25));
  EXPECT_EQ(pointOf(blade, -1, 1.3, 2.0, 10.5, -3.25), std::pair(10.5, -3.25));

  blade.unfold(100);
  for (double th : {0.0, 0.7, -2.5}) {
    const auto [x, y] = pointOf(blade, 6, th, 1.0);
    EXPECT_NEAR(std::hypot(x, y), 286.7769185950292, 1e-9);
    EXPECT_NEAR(std::atan2(y, x), th, 1e-12);
  }
  const auto spoke = blade.outline(0, 0, 0, 1, false);
  EXPECT_EQ(spoke[6].y, 0);
  EXPECT_GE(spoke[6].x, 282);  // six truncations along the way
}

// Every point the blade reports lies where its drawing puts it, up to one pixel per truncation on
// the way there; the drawing is the outline and five spoke triangles in the given or own colours.
TEST(Enemy7Image, ReportedPointsAreTheDrawnPointsInEveryFoldAndMirror) {
  struct Case {
    int unfold;
    double firstTh, th, scale;
    bool invert;
    Colorref pen, brush, drawnPen, drawnBrush;
  };
  const Case cases[] = {
      {0, 0.0, 0.0, 1.0, false, kOwnColor, kOwnColor, 0x0000FF, 0xFF0000},
      {37, 0.3, 1.1, 1.0, true, 0x123456, kOwnColor, 0x123456, 0xFF0000},
      {100, -2.0, 2.9, 2.0, false, kOwnColor, 0x654321, 0x0000FF, 0x654321},
      {130, 5.0, -0.4, 1.0, true, kOwnColor, kOwnColor, 0x0000FF, 0xFF0000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("unfold " + std::to_string(c.unfold));
    Enemy7Image blade(50.0, c.firstTh, 0x0000FF, 0xFF0000);
    blade.unfold(c.unfold);
    blade.set_invertpts(c.invert);
    RecordingCanvas canvas;
    blade.draw(canvas, 300.7, 200.2, c.th, c.scale, c.pen, c.brush);
    ASSERT_EQ(canvas.calls.size(), 6u);
    const std::vector<Point>& drawn = canvas.calls[0].points;
    ASSERT_EQ(drawn.size(), 13u);
    for (int i = 0; i < 13; ++i) {
      const int depth = i < 7 ? i + 1 : 14 - i;  // truncations on the way
      const auto [x, y] = pointOf(blade, i, c.th, c.scale, 300.7, 200.2);
      EXPECT_LE(std::abs(x - drawn[i].x), depth) << "point " << i;
      EXPECT_LE(std::abs(y - drawn[i].y), depth) << "point " << i;
    }
    for (std::size_t j = 0; j < 5; ++j) {
      EXPECT_EQ(canvas.calls[j + 1].points,
                (std::vector<Point>{drawn[j], drawn[j + 1], drawn[12 - j]}));
    }
    for (const DrawCall& call : canvas.calls) {
      EXPECT_EQ(call.pen, c.drawnPen);
      EXPECT_EQ(call.brush, c.drawnBrush);
    }
  }
}

// Mirrored, every point is the reflection of the plain blade's point about the line through the
// drawing point half the apex angle on from the blade's turn.
TEST(Enemy7Image, MirroredBladeReflectsAboutHalfTheApexAngle) {
  Enemy7Image blade(50.0, 0.3, 0x0000FF, 0xFF0000);
  blade.unfold(37);
  for (double th : {0.0, 1.1, -2.8}) {
    const double axis = 0.3 + th + 0.44879857142857144;
    for (int i = 1; i < 13; ++i) {
      blade.set_invertpts(false);
      const auto [x, y] = pointOf(blade, i, th, 1.0);
      blade.set_invertpts(true);
      const auto [mx, my] = pointOf(blade, i, th, 1.0);
      const double r = std::hypot(x, y);
      const double reflected = 2 * axis - std::atan2(y, x);
      EXPECT_NEAR(mx, r * std::cos(reflected), 1e-9) << th << " point " << i;
      EXPECT_NEAR(my, r * std::sin(reflected), 1e-9) << th << " point " << i;
    }
  }
}

TEST_F(Enemy7, WaypointsZigZagAcrossTheFieldAndTheTourVisitsThemBackAndForth) {
  world.rc = {0, 0, 800, 600};
  const Enemy7Sprite fullSize(400, 200);
  const double expected[7][2] = {{100, 120}, {200, 200}, {300, 120}, {400, 200},
                                 {500, 120}, {600, 200}, {700, 120}};
  for (int j = 0; j < 7; ++j) {
    EXPECT_EQ(fullSize.waypointX(j), expected[j][0]) << j;
    EXPECT_EQ(fullSize.waypointY(j), expected[j][1]) << j;
  }
  const std::pair<int, int> aims[] = {{3, 3}, {6, 6}, {7, 5}, {11, 1}, {12, 0}, {13, 1}, {27, 3}};
  for (const auto& [count, waypoint] : aims) {
    EXPECT_EQ(Enemy7Sprite::waypointIndex(count), waypoint) << "count " << count;
  }
}

// The chase cycle is 341 frames: speeding up towards the ship, a stop, a stand, an easing back.
TEST_F(Enemy7, TriangleChasesStopsStandsEasesBackEvery341Frames) {
  struct Stretch {
    int to;  // the last update of the stretch, counted from 1
    int countAfter;
    bool moves;
    bool atRestAtEnd;
  };
  const Stretch stretches[] = {
      {100, 100, true, false},  // counts 0..99 accelerate
      {101, 101, true, true},   // the stop, after the last step of the old velocity
      {160, 160, false, true},  // standing
      {340, 340, true, true},   // easing back towards the top middle
      {341, 0, false, true},    // the frame that finds 340 starts over
      {441, 100, true, false},  // and the next cycle accelerates from rest
  };
  int done = 0;
  for (const Stretch& s : stretches) {
    SCOPED_TRACE("to update " + std::to_string(s.to));
    const auto before = std::pair(boss.get_x(), boss.get_y());
    for (; done < s.to; ++done) step();
    EXPECT_EQ(boss.get_count(), s.countAfter);
    EXPECT_EQ(std::pair(boss.get_x(), boss.get_y()) != before, s.moves);
    EXPECT_EQ(boss.get_vx() == 0.0 && boss.get_vy() == 0.0, s.atRestAtEnd);
  }
}

// At full life: aimed shots at 0, 10, 20 of every 80 frames, a ring of seven every 90. Below 100
// the first frame already fires by the new periods, from wherever the shot timer stands.
TEST_F(Enemy7, TriangleVolleysHardenBelowHundredLifeFromTheFirstFrame) {
  std::vector<int> aimed;
  std::vector<int> rings;
  for (int subcount = 0; subcount < 200; ++subcount) {
    const Pushed p = step();
    if (p.of<EnemyLLSprite>() > 0) aimed.push_back(subcount);
    if (p.of<EnemyLaserSprite>() > 0) {
      rings.push_back(subcount);
      EXPECT_EQ(p.of<EnemyLaserSprite>(), 7);
    }
    EXPECT_LE(p.of<EnemyLLSprite>(), 1);
  }
  EXPECT_EQ(aimed, (std::vector<int>{0, 10, 20, 80, 90, 100, 160, 170, 180}));
  EXPECT_EQ(rings, (std::vector<int>{0, 90, 180}));

  struct Case {
    int framesAtFullLife;
    int aimed, stars, fanRight, fanLeft;
  };
  const Case cases[] = {
      {0, 1, 14, 12, 0},  // subcount 0 matches every pattern
      {50, 0, 14, 0, 0},
      {70, 1, 0, 0, 12},  // 70 is 5 into the aimed period and the left-sweeping fan
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.framesAtFullLife);
    World fresh;
    Enemy7Sprite triangle(400, 200);
    const auto drain = [&] {
      std::vector<std::unique_ptr<MySprite>> shots;
      for (MySprite* shot = nullptr; fresh.addesprites.pop(shot);) shots.emplace_back(shot);
      return shots;
    };
    for (int i = 0; i < c.framesAtFullLife; ++i) {
      triangle.update();
      drain();
    }
    ASSERT_TRUE(triangle.damage(triangle.get_life() - 99));
    triangle.update();
    Case got{c.framesAtFullLife, 0, 0, 0, 0};
    for (const auto& shot : drain()) {
      if (dynamic_cast<EnemyLaserSprite*>(shot.get())) {
        ++got.stars;
        continue;
      }
      ASSERT_NE(dynamic_cast<EnemyLLSprite*>(shot.get()), nullptr);
      const double fromX = shot->get_x() - triangle.get_x();
      shot->update();
      const double vx = shot->get_x() - triangle.get_x() - fromX;
      if (fromX == 0.0) {
        ++got.aimed;
        EXPECT_NEAR(std::hypot(vx, shot->get_y() - triangle.get_y()), 8.0, 1e-9);
      } else {
        EXPECT_EQ(std::abs(fromX), 20.0);
        ++(vx > 0 ? got.fanRight : got.fanLeft);
      }
    }
    EXPECT_EQ(got.aimed, c.aimed);
    EXPECT_EQ(got.stars, c.stars);
    EXPECT_EQ(got.fanRight, c.fanRight);
    EXPECT_EQ(got.fanLeft, c.fanLeft);
  }
}

// The killing hit shakes the triangle for 91 frames, bursts it in 5 with a shard and a large blast
// each, pauses 120 frames and unfolds in 301, adding 452 life; silent all along. Hits are refused
// while it shakes and bursts, and count without killing while it unfolds; the next hit on the
// wheel then breaks it up. The blades end a seventh of a turn apart; the wheel is hit at 50.
TEST_F(Enemy7, TransitionShakesBurstsPausesAndUnfoldsRefillingLife) {
  for (int i = 0; i < 30; ++i) step();
  ASSERT_TRUE(boss.damage(boss.get_life() + 7));
  struct Stage {
    const char* state;
    int frames;
    bool hurt;
    int fewestBlasts, mostBlasts, debris;
    double smallest, largest;
  };
  const Stage stages[] = {
      {"updatetrbreakup", 91, false, 1, 91, 0, 20, 40},
      {"updatetrdestroy", 5, false, 5, 5, 5, 80, 100},
      {"updatetonormal", 421, true, 0, 0, 0, 0, 0},
  };
  for (const Stage& s : stages) {
    SCOPED_TRACE(s.state);
    int frames = 0;
    Pushed all;
    for (; std::string(boss.state_name()) == s.state; ++frames) {
      EXPECT_EQ(boss.damage(frames == 0 ? 1000 : 0), s.hurt);
      Pushed p = step();
      EXPECT_TRUE(p.shots.empty());
      for (const auto& [type, n] : p.counts) all.counts[type] += n;
      for (const auto& effect : p.effects) {
        if (const auto* blast = dynamic_cast<const BlastSprite*>(effect.get())) {
          EXPECT_GE(blast->get_size(), s.smallest);
          EXPECT_LE(blast->get_size(), s.largest);
        }
      }
    }
    EXPECT_EQ(frames, s.frames);
    EXPECT_GE(all.of<BlastSprite>(), s.fewestBlasts);
    EXPECT_LE(all.of<BlastSprite>(), s.mostBlasts);
    EXPECT_EQ(all.of<Enemy7DebrisSprite>(), s.debris);
  }
  EXPECT_STREQ(boss.state_name(), "updatenormal");
  EXPECT_EQ(boss.get_life(), -7 - 1000 + 452);
  EXPECT_EQ(boss.get_hitsize(), 50);
  EXPECT_EQ(boss.get_count(), 0);
  for (int i = 0; i < Enemy7Sprite::kBlades; ++i) {
    EXPECT_NEAR(boss.blade(i).get_first_th(), (i + 1) * kTwoPi / 7, 1e-9) << "blade " << i;
  }
  EXPECT_TRUE(boss.damage(1));
  EXPECT_STREQ(boss.state_name(), "updatebreakup");
}

// Five shards with whole-number velocities of -3..3 and a spin within a twelfth of a half turn;
// each goes only once the 50 x 50 square around it is wholly off the field.
TEST_F(Enemy7, BurstThrowsFiveShardsThatGoOnlyWhollyOffTheField) {
  ASSERT_TRUE(boss.damage(boss.get_life()));
  std::vector<std::unique_ptr<MySprite>> shards;
  while (boss.get_state() != &Enemy7Sprite::updatetonormal) {
    Pushed p = step();
    for (auto& effect : p.effects) {
      if (dynamic_cast<Enemy7DebrisSprite*>(effect.get())) shards.push_back(std::move(effect));
    }
  }
  ASSERT_EQ(shards.size(), 5u);
  for (const auto& sprite : shards) {
    auto& shard = static_cast<Enemy7DebrisSprite&>(*sprite);
    EXPECT_EQ(shard.image().size(), 4);
    for (double v : {shard.get_vx(), shard.get_vy()}) {
      EXPECT_EQ(v, std::trunc(v));
      EXPECT_LE(std::abs(v), 3.0);
    }
    EXPECT_LE(std::abs(shard.get_dangle()), 3.14159 / 12 + 1e-12);
    // It first asks to go in the first frame that finds it wholly off; a shard at rest never does.
    int asked = 0;
    int off = 0;
    for (int frame = 1; frame <= 1000 && asked == 0; ++frame) {
      shard.update();
      const double x = shard.get_x();
      const double y = shard.get_y();
      const Rect& rc = world.rc;
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

// Two 410-frame cycles of opening and closing: a volley of 42 bolts every 20 frames while the
// blades move, one burst of 49 from the spoke tips once open, seven plasma balls every 40 frames.
TEST_F(Enemy7, SpokePhaseLasts820FramesWithOneTipBurstPerCycle) {
  toWheel();
  const auto start = std::pair(boss.get_x(), boss.get_y());
  std::vector<int> bursts;
  int volleys = 0;
  int plasmaFrames = 0;
  int frame = 0;
  for (; boss.get_normalstate() == &Enemy7Sprite::updatenormal1; ++frame) {
    const Pushed p = step();
    if (p.of<EnemyLLSprite>() > 0) {
      EXPECT_EQ(p.of<EnemyLLSprite>(), 49);
      bursts.push_back(frame);
    }
    if (p.of<BSTLaserSprite>() > 0) {
      EXPECT_EQ(p.of<BSTLaserSprite>(), 42) << frame;
      ++volleys;
    }
    if (p.of<PWLaserSprite>() > 0) {
      EXPECT_EQ(p.of<PWLaserSprite>(), 7);
      ++plasmaFrames;
    }
  }
  EXPECT_EQ(frame, 820);
  EXPECT_EQ(bursts, (std::vector<int>{121, 531}));
  EXPECT_EQ(volleys, 7 + 6 + 6 + 6);  // the second cycle starts 10 frames into the 20
  EXPECT_EQ(plasmaFrames, 21);
  EXPECT_EQ(boss.get_count(), 3);
  EXPECT_EQ(std::pair(boss.get_x(), boss.get_y()), start);  // the wheel stands still
}

// The tour takes 25 legs of 30 frames with random tracer volleys and ends with seven orbiting
// shots; the pincer phase takes 1681 frames, four pulses every 8 frames of a charge, after which
// the wheel is back where it started it, its pincers folded within 0.01 of their places and
// un-mirrored. The pincer timer jumps from 0 to 103 on its first pass only.
TEST_F(Enemy7, TourAndPincerPhasesKeepTheirLengthsAndGiveTheWheelBack) {
  toWheel();
  runPhase(&Enemy7Sprite::updatenormal1);
  int tourFrames = 0;
  int whiteTracers = 0;
  for (; boss.get_normalstate() == &Enemy7Sprite::updatenormal2; ++tourFrames) {
    const Pushed p = step();
    whiteTracers += p.of<WhiteTracerSprite>();
    EXPECT_EQ(p.of<CH7Sprite>(), boss.get_normalstate() == &Enemy7Sprite::updatenormal3 ? 7 : 0);
  }
  EXPECT_EQ(tourFrames, 750);
  EXPECT_GT(whiteTracers, 0);
  EXPECT_NEAR(boss.get_x(), boss.waypointX(3), 1.0);
  EXPECT_NEAR(boss.get_y(), boss.waypointY(3), 1.0);
  EXPECT_TRUE(boss.blade(6).get_invertpts());
  const auto start = std::pair(boss.get_x(), boss.get_y());
  int frames = 0;
  int jumps = 0;
  int restarts = 0;
  int pulses = 0;
  for (; boss.get_normalstate() == &Enemy7Sprite::updatenormal3; ++frames) {
    const int before = boss.get_subcount();
    const Pushed p = step();
    pulses += p.of<YSPulseSprite>();
    if (p.of<YSPulseSprite>() > 0) {
      EXPECT_EQ(p.of<YSPulseSprite>(), 4);
      EXPECT_TRUE(before % 8 == 0 && 180 <= before && before < 360) << before;
    }
    jumps += before == 0 && boss.get_subcount() == 104;
    restarts += before == 360 && boss.get_subcount() == 1;
  }
  EXPECT_EQ(frames, 1681);
  EXPECT_EQ(jumps, 1);
  EXPECT_EQ(restarts, 3);
  EXPECT_EQ(pulses, 4 * 22 * 4);  // four charges, 22 throws each
  EXPECT_NEAR(boss.get_x(), start.first, 1e-6);
  EXPECT_NEAR(boss.get_y(), start.second, 1e-6);
  EXPECT_FALSE(boss.blade(6).get_invertpts());
  for (int i : {5, 6}) {
    EXPECT_NEAR(wrapped(boss.blade(i).get_first_th() - (i + 1) * kTwoPi / 7), 0.0, 0.01) << i;
    EXPECT_EQ(boss.blade(i).get_other_th(0), 2.0195935714285715);
  }
  EXPECT_EQ(runPhase(&Enemy7Sprite::updatenormal1), 820);
}
