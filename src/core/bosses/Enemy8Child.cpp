#include "bosses/Enemy8Child.h"

#include "bosses/BossLifecycle.h"
#include "bosses/Enemy8.h"
#include "math/GameMath.h"
#include "math/Pi.h"
#include "sprites/Arena.h"
#include "weapons/AcceleratingShots.h"
#include "weapons/EnemyLaserSprite.h"
#include "weapons/Pulses.h"
#include "weapons/StraightLasers.h"

namespace {

constexpr double kSixthTurn = 1.0471966666666666;
constexpr double kThirtiethTurn = 0.20943933333333334;
// Moving the points this far left centres the trapezoid on its origin.
constexpr double kCentring = 32.33578808063948;

// Manoeuvre 4: the drop slows until here, the satellite then coasts, stops at kHold, fires until
// kDive and then dives.
constexpr int kCoast = 40;
constexpr int kHold = 50;
constexpr int kDive = 460;
// Manoeuvre 5: the satellite bobs until kCross, then crosses the field.
constexpr int kCross = 471;

// The breaking-up satellite's explosions, within 20 pixels of it: small ones of 10 to 30 in one
// frame out of five on average, then large ones of 60 to 90.
constexpr int kSpread = 40;
constexpr int kBlastChance = 20;
constexpr int kSmallBlast = 10;
constexpr int kLargeBlast = 60;
constexpr int kLargeBlastRange = 31;
constexpr int kBreakupEnds = 50;  // the break-up runs until the count exceeds this
constexpr int kLargeBlasts = 5;

void fire(MySprite* shot) {
  Arena& arena = Arena::current();
  arena.fireEnemyShot(shot);
}

const MySprite& ship() { return Arena::current().ship(); }

}  // namespace

Enemy8childImage::Enemy8childImage() : VectorImage(4, kRed, kBlue) {
  set_rth(0, 45, kEighthPi);
  set_rth(1, 25, kEighthPi);
  set_rth(2, 25, -kEighthPi);
  set_rth(3, 45, -kEighthPi);
  for (int i = 0; i < 4; ++i) {
    double px = 0.0;
    double py = 0.0;
    get_xy(i, 0, 1, &px, &py);
    set_xy(i, px - kCentring, py);
  }
}

// Two struts from two fifths and three fifths along the long side to the short side's ends.
void Enemy8childImage::draw(Canvas& canvas, double x, double y, double rotation, double scale,
                            Colorref pen, Colorref brush) const {
  VectorImage::draw(canvas, x, y, rotation, scale, pen, brush);
  const Colorref strutPen = pen == kOwnColor ? get_pencol() : pen;
  double px[4];
  double py[4];
  for (int i = 0; i < 4; ++i) get_xy(i, rotation, scale, &px[i], &py[i]);
  const auto at = [&](double ox, double oy) {
    return Point{gm::truncate(ox + x), gm::truncate(oy + y)};
  };
  canvas.line(at((3 * px[0] + 2 * px[3]) / 5, (3 * py[0] + 2 * py[3]) / 5), at(px[1], py[1]),
              strutPen);
  canvas.line(at((2 * px[0] + 3 * px[3]) / 5, (2 * py[0] + 3 * py[3]) / 5), at(px[2], py[2]),
              strutPen);
}

Enemy8childSprite::Enemy8childSprite(int startX, int startY, Enemy8Sprite* boss)
    : x(startX), y(startY), homex(startX), homey(startY), parent(boss) {}

Enemy8childSprite::~Enemy8childSprite() {
  if (parent) parent->forgetChild(this);
}

void Enemy8childSprite::draw(Canvas& canvas) {
  if (isdead()) return;
  img.draw(canvas, x, y, angle, 1.0, kOwnColor, kOwnColor);
}

bool Enemy8childSprite::damage(int points) {
  if (state == &Enemy8childSprite::upd_brk || state == &Enemy8childSprite::upd_dst ||
      state == &Enemy8childSprite::upd_wait) {
    return false;
  }
  life -= points;
  if (life < 1) destroy();
  return true;
}

// Each satellite breaks up for a time of its own; a second call starts it over.
void Enemy8childSprite::destroy() {
  state = &Enemy8childSprite::upd_brk;
  count = Arena::current().rand() % 10;
}

void Enemy8childSprite::connormal4() {
  vy = 16.0;
  ay = -0.3;
  angle = -kHalfPi;
}

void Enemy8childSprite::con2coming(double px, double py, double a) {
  x = px - 800 * gm::cos(a);
  y = py - 800 * gm::sin(a);
  angle = a;
  vx = 26.67 * gm::cos(a);
  vy = 26.67 * gm::sin(a);
  ax = -0.452 * gm::cos(a);
  ay = -0.452 * gm::sin(a);
}

const char* Enemy8childSprite::state_name() const {
  static const struct {
    State handler;
    const char* name;
  } kNames[] = {
      {&Enemy8childSprite::upd_nrm, "upd_nrm"},
      {&Enemy8childSprite::upd_nrm1, "upd_nrm1"},
      {&Enemy8childSprite::upd_nrm2con, "upd_nrm2con"},
      {&Enemy8childSprite::upd_nrm2, "upd_nrm2"},
      {&Enemy8childSprite::upd_nrm3con, "upd_nrm3con"},
      {&Enemy8childSprite::upd_nrm3, "upd_nrm3"},
      {&Enemy8childSprite::upd_nrm4a, "upd_nrm4a"},
      {&Enemy8childSprite::upd_nrm4b, "upd_nrm4b"},
      {&Enemy8childSprite::upd_nrm4c, "upd_nrm4c"},
      {&Enemy8childSprite::upd_nrm5intro, "upd_nrm5intro"},
      {&Enemy8childSprite::upd_nrm5, "upd_nrm5"},
      {&Enemy8childSprite::upd_trans, "upd_trans"},
      {&Enemy8childSprite::upd_2coming, "upd_2coming"},
      {&Enemy8childSprite::upd_2nrm, "upd_2nrm"},
      {&Enemy8childSprite::upd_brk, "upd_brk"},
      {&Enemy8childSprite::upd_dst, "upd_dst"},
      {&Enemy8childSprite::upd_wait, "upd_wait"},
  };
  for (const auto& entry : kNames) {
    if (entry.handler == state) return entry.name;
  }
  return "";
}

void Enemy8childSprite::integrate() {
  vx += ax;
  vy += ay;
}

void Enemy8childSprite::move() {
  x += vx;
  y += vy;
}

void Enemy8childSprite::firePellet(double pelletVx, double pelletVy, bool white) {
  fire(new SmallLaserSprite(x, y, pelletVx, pelletVy, 5,
                            white ? SmallLaserSprite::white : SmallLaserSprite::yellow));
}

// Slow pellets 60 degrees to each side of the heading.
void Enemy8childSprite::fireSidePellets() {
  for (double b : {angle + kSixthTurn, angle - kSixthTurn}) firePellet(gm::cos(b), gm::sin(b));
}

// A star at 3 pixels per frame towards the ship. Sitting exactly on the ship gives no direction,
// and then no star is fired.
void Enemy8childSprite::fireStarAtShip() {
  const double dx = ship().get_x() - x;
  const double dy = ship().get_y() - y;
  const double distance = gm::sqrt(dx * dx + dy * dy);
  if (distance == 0.0) return;
  fire(new EnemyLaserSprite(x, y, 3 * dx / distance, 3 * dy / distance));
}

// The ring around the boss; while the boss is in its second intro the satellites break out,
// slowing first and then speeding away, with side pellets every seven frames.
void Enemy8childSprite::upd_nrm() {
  if (parent && parent->get_state() == &Enemy8Sprite::updatenormalintro2) {
    if (count == 0) {
      vx = 3.7 * gm::cos(angle);
      vy = 3.7 * gm::sin(angle);
      ax = -0.07 * gm::cos(angle);
      ay = -0.07 * gm::sin(angle);
    } else if (count == 40) {
      ax = 0.17 * gm::cos(angle);
      ay = 0.17 * gm::sin(angle);
    }
    if (count % 7 == 0) fireSidePellets();
    ++count;
  }
  integrate();
  move();
}

void Enemy8childSprite::upd_nrm1() {
  if (count % 7 == 0) fireSidePellets();
  ++count;
  integrate();
  move();
}

// Waits out its place in the line-up, then sets up its drop.
void Enemy8childSprite::upd_nrm2con() {
  if (++count < 0) return;
  vy = 16.0;
  ay = -0.325;
  angle = -kHalfPi;
  count = 0;
  state = &Enemy8childSprite::upd_nrm2;
}

// Drops in and slows, hangs firing three rings of red bars three frames each, then falls away.
void Enemy8childSprite::upd_nrm2() {
  if (count <= 48) {
    integrate();
  } else if (count <= 144) {
    if ((count - 5) % 45 < 3) {
      for (int k = 0; k < 8; ++k) fire(new RedRapidLaserSprite(x, y, k * kPi / 4 + kEighthPi));
    }
  } else if (count == 145) {
    ay = 0.17;
  } else {
    integrate();
  }
  move();
  ++count;
}

// Aims at where the ship is now: 600 pixels out along its direction and shifted back along a
// sideways drift, so that it passes the ship after 60 frames.
void Enemy8childSprite::upd_nrm3con() {
  const MySprite& target = ship();
  count = 0;
  vx = 5 * gm::cos(angle + kHalfPi) / 6;
  vy = 5 * gm::sin(angle + kHalfPi) / 6;
  x = target.get_x() - 600 * gm::cos(angle) - 120 * vx;
  y = target.get_y() - 600 * gm::sin(angle) - 120 * vy;
  ax = -0.25 * gm::cos(angle);
  ay = -0.25 * gm::sin(angle);
  vx += 15.125 * gm::cos(angle);
  vy += 15.125 * gm::sin(angle);
  state = &Enemy8childSprite::upd_nrm3;
}

// Flies in facing away from its path, fires two pulses at its closest and a star at the ship on
// the way out, and stops for good at count 131.
void Enemy8childSprite::upd_nrm3() {
  if (count >= 131) return;
  integrate();
  move();
  angle = kPi + gm::atan2(vy, vx);
  ++count;
  if (count == 60) {
    for (int k = 0; k < 2; ++k) {
      const double b = k * kPi / 4 + angle + kHalfPi;
      fire(new YSPulseSprite(x, y, 6 * gm::cos(b), 6 * gm::sin(b)));
    }
  }
  if (count == 95) fireStarAtShip();
}

void Enemy8childSprite::upd_nrm4a() { runManoeuvre4(Manoeuvre4::fan); }
void Enemy8childSprite::upd_nrm4b() { runManoeuvre4(Manoeuvre4::pairs); }
void Enemy8childSprite::upd_nrm4c() { runManoeuvre4(Manoeuvre4::aimed); }

// Staggered start, a slowing drop, a hold in which the kind fires its own way, then a dive along
// the last heading reversed with side pellets every twenty frames.
void Enemy8childSprite::runManoeuvre4(Manoeuvre4 kind) {
  if (count < 0) {
    ++count;
    return;
  }
  if (count < kCoast) {
    integrate();
  } else if (count < kHold) {
    // coasting
  } else if (count == kHold) {
    vx = vy = 0.0;
    if (kind == Manoeuvre4::fan) angle = -kHalfPi;
  } else if (count < kDive) {
    holdAndFire(kind);
  } else if (count == kDive) {
    ax = 0.06 * gm::cos(angle + kPi);
    ay = 0.06 * gm::sin(angle + kPi);
  } else {
    integrate();
    if (count % 20 == 0) fireSidePellets();
  }
  move();
  ++count;
}

// The fan kind fires five pointed lasers downwards; the other two turn to the ship, fire a pair of
// pointed lasers that speed up or a single star, and show their backs to it.
void Enemy8childSprite::holdAndFire(Manoeuvre4 kind) {
  if (kind == Manoeuvre4::fan) {
    if (count % 42 != 0) return;
    for (int k = -2; k <= 2; ++k) {
      const double b = k * kPi / 9 + kHalfPi;
      fire(new EnemyLLSprite(x, y, 3 * gm::cos(b), 3 * gm::sin(b)));
    }
    return;
  }
  angle = gm::atan2(ship().get_y() - y, ship().get_x() - x);
  if (kind == Manoeuvre4::pairs && count % 60 == 0) {
    for (int k : {-1, 1}) {
      const double b = angle + k * kPi / 10;
      fire(new EnemyLTLSprite(x, y, 2 * gm::cos(b), 2 * gm::sin(b), 0.03 * gm::cos(b),
                              0.03 * gm::sin(b)));
    }
  } else if (kind == Manoeuvre4::aimed && count % 130 == 0) {
    fire(new EnemyLaserSprite(x, y, 2 * gm::cos(angle), 2 * gm::sin(angle)));
  }
  angle += kPi;
}

// Glides a fifth of the way home each frame until it is there.
void Enemy8childSprite::upd_nrm5intro() {
  x = (homex + 4 * x) / 5;
  y = (homey + 4 * y) / 5;
  const double dx = x - homex;
  const double dy = y - homey;
  if (dx * dx + dy * dy < 0.5) {
    vx = vy = ax = ay = 0.0;
    count = 0;
    state = &Enemy8childSprite::upd_nrm5;
  }
}

// Bobs about its home point firing white pellets across, then crosses the field firing bolts to
// both sides in bursts of 20 frames out of 40.
void Enemy8childSprite::upd_nrm5() {
  if (count <= kCross) {
    const double oldY = y;
    y = homey + 70 * gm::sin(count / 30.0);
    if (count < kCross) {
      if (count % 20 == 0) firePellet(1.5 * gm::cos(angle - kPi), 0.8 * (y - oldY), true);
    } else {
      vy = y - oldY;
      ax = 0.06 * gm::cos(angle - kPi);
    }
  } else {
    vx += ax;
    vy *= 0.85;
    move();
    if (count % 40 > 19) {
      for (double b : {angle - kHalfPi + kThirtiethTurn, angle + kHalfPi - kThirtiethTurn}) {
        fire(new BSTLaserSprite(x, y, 0.1 * gm::cos(b), 0.1 * gm::sin(b), 0.01 * gm::cos(b),
                                0.01 * gm::sin(b)));
      }
    }
  }
  ++count;
}

// Stops, then turns towards straight up and accelerates off the field.
void Enemy8childSprite::upd_trans() {
  if (count == 0) {
    vx = vy = 0.0;
    count = 1;
    return;
  }
  angle = (9 * angle - kHalfPi) / 10;
  move();
  vx += 0.17 * gm::cos(angle);
  vy += 0.17 * gm::sin(angle);
}

void Enemy8childSprite::upd_2coming() {
  move();
  integrate();
}

// A wing fires two pellets down every 41 frames and, every 40, one pointed laser to the left or
// the right by the parity of ten times the boss's x; a negative odd value fires none.
void Enemy8childSprite::upd_2nrm() {
  if (count % 41 == 0) {
    firePellet(-0.5, 2.5);
    firePellet(0.5, 2.5);
  }
  if (count % 40 == 0 && parent) {
    const int remainder = gm::truncate(10 * parent->get_x()) % 2;
    if (remainder == 0) {
      fire(new EnemyLLSprite(x, y, -2.5, 5.0));
    } else if (remainder == 1) {
      fire(new EnemyLLSprite(x, y, 2.5, 5.0));
    }
  }
  ++count;
}

void Enemy8childSprite::upd_brk() {
  if (blastThisFrame(kBlastChance))
    spawnBlast(spotNear(get_x(), get_y(), kSpread), kSmallBlast, 21);
  if (++count > kBreakupEnds) {
    state = &Enemy8childSprite::upd_dst;
    count = 0;
  }
}

void Enemy8childSprite::upd_dst() {
  spawnBlast(spotNear(get_x(), get_y(), kSpread), kLargeBlast, kLargeBlastRange);
  if (++count >= kLargeBlasts) state = &Enemy8childSprite::upd_wait;
}

void Enemy8childSprite::upd_wait() {}
