// The wheel of blades, the level-3 boss's normal form: its three attack phases.
#include <cmath>

#include "bosses/Enemy7.h"
#include "math/Angles.h"
#include "math/GameMath.h"
#include "math/Pi.h"
#include "sprites/Arena.h"
#include "weapons/AcceleratingShots.h"
#include "weapons/OrbitingShot.h"
#include "weapons/Pulses.h"
#include "weapons/StraightLasers.h"
#include "weapons/Tracers.h"

namespace {

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
  const MySprite& ship = Arena::current().ship();
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
  Arena& arena = Arena::current();
  for (const Enemy7Image& blade : images) {
    for (int k = 1; k < Enemy7Image::kChainPoints; ++k) {
      double ox = 0.0;
      double oy = 0.0;
      blade.get_xy(k, angle, 1.0, ox, oy, x, y);
      const double d = gm::sqrt((ox - x) * (ox - x) + (oy - y) * (oy - y));
      if (d == 0.0) continue;
      arena.fireEnemyShot(
          new BSTLaserSprite(ox, oy, 0.0, 0.0, (ox - x) / d * 0.01, (oy - y) / d * 0.01));
    }
  }
}

// Seven pointed lasers in a ring from the tip of every straight spoke.
void Enemy7Sprite::fireSpokeTipBurst() {
  Arena& arena = Arena::current();
  for (const Enemy7Image& blade : images) {
    double ox = 0.0;
    double oy = 0.0;
    blade.get_xy(6, angle, 1.0, ox, oy, x, y);
    for (int j = 0; j < 7; ++j) {
      const double phi = 2 * j * kPi / 7;
      arena.fireEnemyShot(new EnemyLLSprite(ox, oy, 4 * gm::cos(phi), 4 * gm::sin(phi)));
    }
  }
}

// One plasma ball from the second chain point of every blade, taken without the wheel's turn.
void Enemy7Sprite::firePlasmaBalls() {
  Arena& arena = Arena::current();
  for (const Enemy7Image& blade : images) {
    double ox = 0.0;
    double oy = 0.0;
    blade.get_xy(2, 0.0, 1.0, ox, oy, x, y);
    arena.fireEnemyShot(new PWLaserSprite(ox, oy));
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
    turnPincers(t * (-kHalfPi) / 180, t * kHalfPi / 180 - kPincerBase);
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
    turnPincers((t - 360) * (-kHalfPi) / 180, (t - 360) * kHalfPi / 180 - kPincerBase);
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

// Now and then two homing tracers fly off square to the aim, one either side.
void Enemy7Sprite::fireCrossingTracers() {
  Arena& arena = Arena::current();
  const int chance = arena.rand();
  if (chance % 16000 >= 2) return;
  arena.fireEnemyShot(new PHSTracerSprite(x, y, 8.6, aimangle + kHalfPi));
  arena.fireEnemyShot(new PHSTracerSprite(x, y, 8.6, aimangle - kHalfPi));
}

// Five chances a frame, each from a random one of the first chain points of a random blade, of a
// tracer volley: downward spreads of three and four, an aimed pair, an aimed single, a homing one.
void Enemy7Sprite::fireRandomTracers() {
  struct Chance {
    int modulus;
    int below;
  };
  static constexpr Chance kChances[kTracerVolleys] = {
      {800, 15}, {800, 15}, {400, 9}, {800, 6}, {800, 6}};
  Arena& arena = Arena::current();
  for (int volley = 0; volley < kTracerVolleys; ++volley) {
    const int forV = arena.rand();
    const int v = (forV % 20) / 5;
    const int forI = arena.rand();
    double ox = 0.0;
    double oy = 0.0;
    images[static_cast<std::size_t>(forI % kBlades)].get_xy(v, 0.0, 1.0, ox, oy, x, y);
    const int roll = arena.rand();
    const Chance& chance = kChances[volley];
    if (roll % chance.modulus < chance.below) fireTracerVolley(volley, ox, oy);
  }
}

void Enemy7Sprite::fireTracerVolley(int volley, double ox, double oy) {
  static constexpr double kSpreadOfThree[3][2] = {{0.0, 8.0},
                                                  {-6.9281943849592595, 4.000015320498034},
                                                  {6.928204999334694, 3.9999969358980456}};
  Arena& arena = Arena::current();
  const auto white = [&](double speed, double th) {
    arena.fireEnemyShot(new WhiteTracerSprite(ox, oy, speed * gm::cos(th), speed * gm::sin(th)));
  };
  switch (volley) {
    case 0:
      for (const auto& [tvx, tvy] : kSpreadOfThree) {
        arena.fireEnemyShot(new WhiteTracerSprite(ox, oy, tvx, tvy));
      }
      break;
    case 1:
      for (int j = 0; j < 4; ++j) white(8, j * kPi * 5 / 18 + 0.26179916666666664);
      break;
    case 2:
      for (int j = 0; j < 2; ++j) white(8, aimangle - (2 * j - 1) * kPi / 16);
      break;
    case 3: white(8.6, aimangle); break;
    default: arena.fireEnemyShot(new PHSTracerSprite(ox, oy, 8.6, aimangle)); break;
  }
}

// Seven orbiting shots, evenly spaced round the wheel.
void Enemy7Sprite::fireOrbiters() {
  Arena& arena = Arena::current();
  for (int j = 0; j < 7; ++j) arena.fireEnemyShot(new CH7Sprite(2 * j * kPi / 7));
}

// Every 8 frames of a charge, two pulses from each pincer, thrown 0.2 outwards of the charge line,
// from chain points that walk along the pincers.
void Enemy7Sprite::firePincerPulses(int t) {
  Arena& arena = Arena::current();
  for (int j = 0; j < 2; ++j) {
    const int v = ((t % 5) + 3 * j) % 5;
    double ox = 0.0;
    double oy = 0.0;
    images[kLowerPincer].get_xy(v, angle, 1.0, ox, oy, x, y);
    arena.fireEnemyShot(
        new YSPulseSprite(ox, oy, 8 * gm::cos(angle - 0.2), 8 * gm::sin(angle - 0.2)));
    images[kUpperPincer].get_xy(v, angle, 1.0, ox, oy, x, y);
    arena.fireEnemyShot(
        new YSPulseSprite(ox, oy, 8 * gm::cos(angle + 0.2), 8 * gm::sin(angle + 0.2)));
  }
}
