// The level-3 boss: the blade's geometry, the triangle's chase and volleys, the transition into
// the wheel with its debris, and the wheel's three attack phases.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <numbers>
#include <set>
#include <string>
#include <typeindex>
#include <vector>

#include "bosses/Enemy7.h"
#include "bosses/Enemy7Debris.h"
#include "game/BlastSprite.h"
#include "game/World.h"
#include "sprites/HitTest.h"
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

// What a run of updates pushed: how many frames it took, the shot timer before each and after the
// last, and for each kind of sprite how many in all, on which frames and how many at once. The
// sprites are owned here.
struct Pushed {
  int frames = 0;
  std::vector<int> timer;
  std::map<std::type_index, int> counts;
  std::map<std::type_index, std::vector<int>> on;
  std::map<std::type_index, std::set<int>> sizes;
  std::vector<std::unique_ptr<MySprite>> shots, effects;
  template <class T>
  int of() {
    return counts[typeid(T)];
  }
  // The frames T came on, n at a time each.
  template <class T>
  std::vector<int> fired(int n) {
    EXPECT_EQ(sizes[typeid(T)], std::set<int>{n}) << typeid(T).name();
    return on[typeid(T)];
  }
};

class Enemy7 : public ::testing::Test {
 protected:
  // Updates the sprite, the boss unless told, for as long as `more`, asked before every frame,
  // says so; takes out whatever it pushes.
  Pushed runWhile(const std::function<bool(const Pushed&)>& more, Enemy7Sprite* sprite = nullptr) {
    Enemy7Sprite& who = sprite ? *sprite : boss;
    Pushed run;
    std::map<std::type_index, int> now;
    const auto take = [&](Stack<MySprite*>& stack, std::vector<std::unique_ptr<MySprite>>& into) {
      for (MySprite* pushed = nullptr; stack.pop(pushed); into.emplace_back(pushed)) {
        ++now[typeid(*pushed)];
      }
    };
    for (; more(run); ++run.frames, now.clear()) {
      run.timer.push_back(who.get_subcount());
      who.update();
      take(world.addesprites, run.shots);
      take(world.addosprites, run.effects);
      for (const auto& [type, n] : now) {
        run.counts[type] += n;
        run.on[type].push_back(run.frames);
        run.sizes[type].insert(n);
      }
    }
    run.timer.push_back(who.get_subcount());
    return run;
  }
  Pushed run(int frames, Enemy7Sprite* sprite = nullptr) {
    return runWhile([frames](const Pushed& run) { return run.frames < frames; }, sprite);
  }
  // Runs the wheel until its attack phase is no longer this one.
  Pushed runPhase(Enemy7Sprite::State phase) {
    return runWhile([&](const Pushed&) { return boss.get_normalstate() == phase; });
  }
  // The killing hit on the triangle, then the whole transition: the wheel at its first frame.
  void toWheel() {
    ASSERT_TRUE(boss.damage(boss.get_life()));
    runWhile([&](const Pushed&) { return boss.get_state() != &Enemy7Sprite::updatenormal; });
  }

  World world;
  // The boss is the world's, as in play: the orbiting shots start from it.
  Enemy7Sprite& boss =
      static_cast<Enemy7Sprite&>(*(world.es = std::make_unique<Enemy7Sprite>(400, 200)));
};

}  // namespace

TEST(Enemy7Image, FoldedBladeIsATriangleUnfoldedASpokeAndOutOfRangeAsksAreHarmless) {
  Enemy7Image blade(50.0, 0.0, 0x0000FF, 0xFF0000);
  const auto p = blade.outline(0, 0, 0, 1, false);
  EXPECT_EQ(p[1], (Point{50, 0}));
  EXPECT_EQ(p[2], (Point{31, 39}));
  EXPECT_LE(std::abs(p[3].x) + std::abs(p[3].y), 1);  // back at the apex, up to truncation
  for (int i : {5, -1}) EXPECT_EQ(blade.get_other_th(i), 0.0) << i;
  for (int i : {0, 13, -1}) {
    EXPECT_EQ(pointOf(blade, i, 1.3, 2.0, 10.5, -3.25), std::pair(10.5, -3.25)) << i;
  }
  blade.unfold(100);
  for (double th : {0.0, 0.7, -2.5}) {
    const auto [x, y] = pointOf(blade, 6, th, 1.0);
    EXPECT_NEAR(std::hypot(x, y), 286.7769185950292, 1e-9);
    EXPECT_NEAR(std::atan2(y, x), th, 1e-12);
  }
}

// Every point the blade reports lies where its drawing puts it, up to one pixel per truncation on
// the way there; the drawing is the outline and five spoke triangles in the given or own colours.
// Mirrored, every point is the reflection of the plain blade's point about the line through the
// drawing point half the apex angle on from the blade's turn.
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
      {37, 0.3, -2.8, 1.0, true, kOwnColor, kOwnColor, 0x0000FF, 0xFF0000},
      {100, -2.0, 2.9, 2.0, false, kOwnColor, 0x654321, 0x0000FF, 0x654321},
      {130, 5.0, -0.4, 1.0, true, kOwnColor, kOwnColor, 0x0000FF, 0xFF0000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("unfold " + std::to_string(c.unfold) + ", turned " + std::to_string(c.th));
    Enemy7Image blade(50.0, c.firstTh, 0x0000FF, 0xFF0000);
    blade.unfold(c.unfold);
    Enemy7Image plain = blade;
    blade.set_invertpts(c.invert);
    RecordingCanvas canvas;
    blade.draw(canvas, 300.7, 200.2, c.th, c.scale, c.pen, c.brush);
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
    for (const DrawCall& call : canvas.calls) {
      EXPECT_EQ(call.pen, c.drawnPen);
      EXPECT_EQ(call.brush, c.drawnBrush);
    }
  }
}

TEST_F(Enemy7, WaypointsZigZagAcrossTheFieldAndTheTourVisitsThemBackAndForth) {
  world.rc = {0, 0, 800, 600};
  const Enemy7Sprite fullSize(400, 200);
  for (int j = 0; j < 7; ++j) {
    EXPECT_EQ(fullSize.waypointX(j), 100 * (j + 1)) << j;
    EXPECT_EQ(fullSize.waypointY(j), j % 2 == 0 ? 120 : 200) << j;
  }
  const std::pair<int, int> aims[] = {{3, 3}, {6, 6}, {7, 5}, {11, 1}, {12, 0}, {13, 1}, {27, 3}};
  for (const auto& [count, waypoint] : aims) {
    EXPECT_EQ(Enemy7Sprite::waypointIndex(count), waypoint) << "count " << count;
  }
}

// The chase cycle is 341 frames: speeding up towards the ship, a stop, a stand, an easing back.
TEST_F(Enemy7, TriangleChasesStopsStandsEasesBackEvery341Frames) {
  struct Stretch {
    int to, countAfter;  // the last update of the stretch, counted from 1, and the count after it
    bool moves, atRestAtEnd;
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
    run(s.to - done);
    done = s.to;
    EXPECT_EQ(boss.get_count(), s.countAfter);
    EXPECT_EQ(std::pair(boss.get_x(), boss.get_y()) != before, s.moves);
    EXPECT_EQ(boss.get_vx() == 0.0 && boss.get_vy() == 0.0, s.atRestAtEnd);
  }
}

// At full life: aimed shots at 0, 10, 20 of every 80 frames, a ring of seven every 90. Below 100
// the first frame already fires by the new periods, from wherever the shot timer stands.
TEST_F(Enemy7, TriangleVolleysHardenBelowHundredLifeFromTheFirstFrame) {
  Pushed calm = run(200);
  EXPECT_EQ(calm.fired<EnemyLLSprite>(1),
            (std::vector<int>{0, 10, 20, 80, 90, 100, 160, 170, 180}));
  EXPECT_EQ(calm.fired<EnemyLaserSprite>(7), (std::vector<int>{0, 90, 180}));

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
    for (const auto& shot : run(1, &triangle).shots) {
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
    EXPECT_EQ((std::array{got.aimed, got.stars, got.fanRight, got.fanLeft}),
              (std::array{c.aimed, c.stars, c.fanRight, c.fanLeft}));
  }
}

// The killing hit shakes the triangle for 91 frames, bursts it in 5 with a shard and a large blast
// each, pauses 120 frames and unfolds in 301, adding 452 life; silent all along. Hits are refused
// while it shakes and bursts, and count without killing while it unfolds; the next hit on the
// wheel then breaks it up. The blades end a seventh of a turn apart; the wheel is hit at 50.
TEST_F(Enemy7, TransitionShakesBurstsPausesAndUnfoldsRefillingLife) {
  run(30);
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
    Pushed stage = runWhile([&](const Pushed& sofar) {
      if (boss.state_name() != std::string(s.state)) return false;
      EXPECT_EQ(boss.damage(sofar.frames == 0 ? 1000 : 0), s.hurt);
      return true;
    });
    EXPECT_EQ(stage.frames, s.frames);
    EXPECT_TRUE(stage.shots.empty());
    EXPECT_GE(stage.of<BlastSprite>(), s.fewestBlasts);
    EXPECT_LE(stage.of<BlastSprite>(), s.mostBlasts);
    EXPECT_EQ(stage.of<Enemy7DebrisSprite>(), s.debris);
    for (const auto& effect : stage.effects) {
      if (const auto* blast = dynamic_cast<const BlastSprite*>(effect.get())) {
        EXPECT_GE(blast->get_size(), s.smallest);
        EXPECT_LE(blast->get_size(), s.largest);
      }
    }
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

// The wheel loops through its three attack phases, each keeping its length:
// - spokes, two 410-frame cycles of opening and closing: a volley of 42 bolts every 20 frames while
//   the blades move, one burst of 49 from the spoke tips once open, seven plasma balls every 40
//   frames, the wheel standing still;
// - the tour, 25 legs of 30 frames with random tracer volleys, ending with seven orbiting shots;
// - pincers, 1681 frames, four pulses every 8 frames of a charge, after which the wheel is back
//   where it started it, its pincers folded within 0.01 of their places and un-mirrored. The
//   pincer timer jumps from 0 to 103 on its first pass only.
TEST_F(Enemy7, WheelPhasesKeepTheirLengthsAndVolleysAndGiveTheWheelBack) {
  toWheel();
  const auto standing = std::pair(boss.get_x(), boss.get_y());
  Pushed spokes = runPhase(&Enemy7Sprite::updatenormal1);
  EXPECT_EQ(spokes.frames, 820);
  EXPECT_EQ(spokes.fired<EnemyLLSprite>(49), (std::vector<int>{121, 531}));
  // The second cycle starts 10 frames into the 20.
  EXPECT_EQ(spokes.fired<BSTLaserSprite>(42).size(), 7u + 6 + 6 + 6);
  EXPECT_EQ(spokes.fired<PWLaserSprite>(7).size(), 21u);
  EXPECT_EQ(boss.get_count(), 3);
  EXPECT_EQ(std::pair(boss.get_x(), boss.get_y()), standing);

  Pushed tour = runPhase(&Enemy7Sprite::updatenormal2);
  EXPECT_EQ(tour.frames, 750);
  EXPECT_GT(tour.of<WhiteTracerSprite>(), 0);
  EXPECT_EQ(tour.fired<CH7Sprite>(7), std::vector<int>{749});
  EXPECT_NEAR(boss.get_x(), boss.waypointX(3), 1.0);
  EXPECT_NEAR(boss.get_y(), boss.waypointY(3), 1.0);
  EXPECT_TRUE(boss.blade(6).get_invertpts());

  const auto start = std::pair(boss.get_x(), boss.get_y());
  Pushed pincers = runPhase(&Enemy7Sprite::updatenormal3);
  EXPECT_EQ(pincers.frames, 1681);
  const std::vector<int>& t = pincers.timer;
  const std::vector<int> pulses = pincers.fired<YSPulseSprite>(4);
  EXPECT_EQ(pulses.size(), 4u * 22);  // four charges, 22 throws each
  for (int f : pulses) EXPECT_TRUE(t[f] % 8 == 0 && 180 <= t[f] && t[f] < 360) << t[f];
  int jumps = 0;
  int restarts = 0;
  for (std::size_t f = 0; f + 1 < t.size(); ++f) {
    jumps += t[f] == 0 && t[f + 1] == 104;
    restarts += t[f] == 360 && t[f + 1] == 1;
  }
  EXPECT_EQ(jumps, 1);
  EXPECT_EQ(restarts, 3);
  EXPECT_NEAR(boss.get_x(), start.first, 1e-6);
  EXPECT_NEAR(boss.get_y(), start.second, 1e-6);
  EXPECT_FALSE(boss.blade(6).get_invertpts());
  for (int i : {5, 6}) {
    EXPECT_NEAR(wrapped(boss.blade(i).get_first_th() - (i + 1) * kTwoPi / 7), 0.0, 0.01) << i;
    EXPECT_EQ(boss.blade(i).get_other_th(0), 2.0195935714285715);
  }
  EXPECT_EQ(runPhase(&Enemy7Sprite::updatenormal1).frames, 820);
}
