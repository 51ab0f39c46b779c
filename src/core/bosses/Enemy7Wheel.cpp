// The wheel of blades, the level-3 boss's normal form: its three attack phases.
#include <cmath>

#include "bosses/Enemy7.h"
#include "game/World.h"
#include "math/GameMath.h"
#include "player/PlayerSprite.h"
#include "sprites/HitTest.h"
#include "weapons/AcceleratingShots.h"
#include "weapons/StraightLasers.h"

namespace {

constexpr double kQuarterTurn = 1.570795;
constexpr double kPi = 3.14159;

// Phase 1: the blades open and close over 120 frames each, twice over 410-frame cycles.
constexpr int kSpokeCycle = 410;
constexpr int kSpokeOpen = 120;
constexpr int kSpokeCloseFrom = 240;
constexpr int kSpokeClosed = 359;
constexpr int kTipBurst = 121;
constexpr int kSpokePhaseEnd = 819;

// Phase 2 starts aiming at waypoint 3 and ends on arriving at the waypoint of count 27.
constexpr int kTourStart = 3;
constexpr int kTourEnd = 27;

// Phase 3: the pincers straighten over 120 frames, then four charges.
constexpr int kPincerUnfold = -120;
constexpr int kPincerJump = 103;
constexpr int kChargeFrom = 180;
constexpr int kChargeEnd = 360;
constexpr int kCharges = 4;
constexpr int kReturnFrames = 223;
constexpr int kFoldFrom = 463;
constexpr int kPincerPhaseEnd = 583;
// Blade 6 sits 2π/7 further on than its mirrored chain starts.
constexpr double kPincerBase = 0.8975971428571429;
constexpr std::size_t kLowerPincer = 5;
constexpr std::size_t kUpperPincer = 6;

}  // namespace

int Enemy7Sprite::waypointIndex(int tourCount) {
  const int k = tourCount % 12;
  return k <= 6 ? k : 12 - k;
}

// Sets off towards the waypoint of the current count, to arrive in 30 frames.
void Enemy7Sprite::gotopos() {
  const auto idx = static_cast<std::size_t>(waypointIndex(count));
  vx = (posx[idx] - x) / 30.0;
  vy = (posy[idx] - y) / 30.0;
}

void Enemy7Sprite::updatenormal() {
  x += vx;
  y += vy;
  const PlayerSprite& ship = *World::current().psp;
  aimangle = gm::atan2(ship.get_y() - y, ship.get_x() - x);
  fireCrossingTracers();
  (this->*normalstate)();
}

void Enemy7Sprite::unfoldAll(int n) {
  for (Enemy7Image& blade : images) blade.unfold(n);
}

// The blades open into spokes and close again, shedding bolts every 20 frames while they move,
// with a burst from every spoke tip once open; plasma balls from the blades every 40 frames.
void Enemy7Sprite::updatenormal1() {
  const int m = count % kSpokeCycle;
  if (m <= kSpokeOpen) {
    unfoldAll(static_cast<int>(m / 240.0 * 200.0));
    if (count % 20 == 0) fireSpokeVolley();
  } else if (m <= kSpokeClosed) {
    if (m >= kSpokeCloseFrom) {
      unfoldAll(static_cast<int>((360 - m) / 240.0 * 200.0));
      if (count % 20 == 0) fireSpokeVolley();
    } else if (m == kTipBurst) {
      fireSpokeTipBurst();
    }
  }
  if (count % 40 == 0) firePlasmaBalls();
  if (++count > kSpokePhaseEnd) {
    normalstate = &Enemy7Sprite::updatenormal2;
    count = kTourStart;
    gotopos();
  }
}

// A bolt at rest on each of the six chain points of every blade, speeding up away from the
// centre. A point on the centre itself gives no direction, and no bolt.
void Enemy7Sprite::fireSpokeVolley() {
  World& world = World::current();
  for (const Enemy7Image& blade : images) {
    for (int k = 1; k < Enemy7Image::kChainPoints; ++k) {
      double ox = 0.0;
      double oy = 0.0;
      blade.get_xy(k, angle, 1.0, ox, oy, x, y);
      const double d = gm::sqrt((ox - x) * (ox - x) + (oy - y) * (oy - y));
      if (d == 0.0) continue;
      world.requestAdd(world.addesprites, new BSTLaserSprite(ox, oy, 0.0, 0.0, (ox - x) / d * 0.01,
                                                             (oy - y) / d * 0.01));
    }
  }
}

// Seven pointed lasers in a ring from the tip of every straight spoke.
void Enemy7Sprite::fireSpokeTipBurst() {
  World& world = World::current();
  for (const Enemy7Image& blade : images) {
    double ox = 0.0;
    double oy = 0.0;
    blade.get_xy(6, angle, 1.0, ox, oy, x, y);
    for (int j = 0; j < 7; ++j) {
      const double phi = 2 * j * kPi / 7;
      world.requestAdd(world.addesprites,
                       new EnemyLLSprite(ox, oy, 4 * gm::cos(phi), 4 * gm::sin(phi)));
    }
  }
}

// One plasma ball from the second chain point of every blade, taken without the wheel's turn.
void Enemy7Sprite::firePlasmaBalls() {
  World& world = World::current();
  for (const Enemy7Image& blade : images) {
    double ox = 0.0;
    double oy = 0.0;
    blade.get_xy(2, 0.0, 1.0, ox, oy, x, y);
    world.requestAdd(world.addesprites, new PWLaserSprite(ox, oy));
  }
}

// The wheel spins and tours the waypoints, one leg of 30 frames each, with random tracer volleys.
void Enemy7Sprite::updatenormal2() {
  angle = neg_to_pos(angle + 0.05);
  const auto idx = static_cast<std::size_t>(waypointIndex(count));
  if (std::fabs(posx[idx] - x) < 1.0 && std::fabs(posy[idx] - y) < 1.0) {
    ++count;
    gotopos();
  }
  fireRandomTracers();
  if (count > kTourEnd) {
    normalstate = &Enemy7Sprite::updatenormal3;
    count = 0;
    subcount = kPincerUnfold;
    vx = vy = 0.0;
    images[kUpperPincer].set_invertpts(true);
    fireOrbiters();
  }
}

void Enemy7Sprite::unfoldPincers(int n) {
  images[kLowerPincer].unfold(n);
  images[kUpperPincer].unfold(n);
}

void Enemy7Sprite::turnPincers(double lowerTh, double upperTh) {
  images[kLowerPincer].set_first_th(lowerTh);
  images[kUpperPincer].set_first_th(upperTh);
}

// Blades 5 and 6 straighten into pincers and open; the wheel charges the ship four times, turning
// to it only between charges, throwing pulses from the pincers, then returns and folds them.
void Enemy7Sprite::updatenormal3() {
  const int t = subcount;
  if (t < kChargeFrom) angle = (nearer_from(angle, aimangle) + 7 * angle) / 8;
  if (t < 0) {
    unfoldPincers(static_cast<int>(t / 120.0 * 100.0 + 100.0));
  } else if (t == 0) {
    subcount = kPincerJump;  // the pincer angle that matches the folded wheel
  } else if (t < kChargeFrom) {
    turnPincers(t * (-kQuarterTurn) / 180, t * kQuarterTurn / 180 - kPincerBase);
  } else if (t < kChargeEnd) {
    if (t == kChargeFrom) {
      vx = gm::cos(angle);
      vy = gm::sin(angle);
    }
    if (t % 8 == 0) firePincerPulses(t);
    turnPincers((t / 360.0 - 1) * kPi, (0.7142857142857143 - t / 360.0) * kPi);
  } else if (t == kChargeEnd) {
    if (++count < kCharges) {
      vx = -gm::cos(angle);
      vy = -gm::sin(angle);
      subcount = 0;
    } else {
      vx = 180 * (-gm::cos(angle)) / kReturnFrames;
      vy = 180 * (-gm::sin(angle)) / kReturnFrames;
    }
  } else if (t < kFoldFrom) {
    turnPincers((t - 360) * (-kQuarterTurn) / 180, (t - 360) * kQuarterTurn / 180 - kPincerBase);
  } else if (t < kPincerPhaseEnd) {
    unfoldPincers(static_cast<int>((582 - t) / 120.0 * 100.0));
  } else {
    normalstate = &Enemy7Sprite::updatenormal1;
    count = 0;
    subcount = 0;
    vx = vy = 0.0;
    images[kUpperPincer].set_invertpts(false);
  }
  ++subcount;
}

// --- shots from the weapons branch; filled in when they land ---

void Enemy7Sprite::fireCrossingTracers() {
  World& world = World::current();
  const int chance = world.rand();
  (void)chance;
}

void Enemy7Sprite::fireRandomTracers() {
  World& world = World::current();
  for (int chance = 0; chance < 5; ++chance) {
    const int forV = world.rand();
    const int forI = world.rand();
    const int roll = world.rand();
    (void)forV;
    (void)forI;
    (void)roll;
  }
}

void Enemy7Sprite::fireOrbiters() {}

void Enemy7Sprite::firePincerPulses(int t) { (void)t; }
