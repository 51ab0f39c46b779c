#include "bosses/Enemy7.h"

#include <algorithm>

#include "bosses/Enemy7Debris.h"
#include "math/GameMath.h"
#include "math/Pi.h"
#include "sprites/Arena.h"
#include "weapons/EnemyLaserSprite.h"
#include "weapons/StraightLasers.h"

namespace {

constexpr double kBladeLength = 50.0;
constexpr Colorref kBladePen = kRed;
constexpr Colorref kBladeBrush = kBlue;

// The triangle's legs lie this far either side of straight behind the boss, 2π/7 apart.
constexpr double kLegLeft = 2.6927914285714283;
constexpr double kLegRight = 3.5903885714285715;

// Each unfolding frame turns a blade by a 210th of a turn; blade i turns for 30 (i + 1) frames.
constexpr double kUnfoldTurn = 0.029919904761904762;
constexpr int kUnfoldFrames = 300;
constexpr int kUnfoldPause = 120;

std::array<Enemy7Image, Enemy7Sprite::kBlades> makeBlades() {
  const Enemy7Image blade(kBladeLength, 0.0, kBladePen, kBladeBrush);
  return {blade, blade, blade, blade, blade, blade, blade};
}

}  // namespace

Enemy7Sprite::Enemy7Sprite(int startX, int startY)
    : BossLifecycle(kInitialLife, &Enemy7Sprite::updatetriangular, kDeath),
      x(startX),
      y(startY),
      images(makeBlades()) {
  const Rect& rc = Arena::current().field();
  for (int j = 0; j < kWaypoints; ++j) {
    posx[static_cast<std::size_t>(j)] = (rc.right / 8) * (j + 1);
    posy[static_cast<std::size_t>(j)] = j % 2 == 0 ? rc.bottom / 5 : rc.bottom / 3;
  }
}

// Visible through both death stages of either form; gone only once dead.
void Enemy7Sprite::draw(Canvas& canvas) {
  if (isdead()) return;
  if (in(&Enemy7Sprite::updatetonormal)) {
    drawoffset(canvas, kUnfoldFrames - std::max(count, 0));
  } else if (in(&Enemy7Sprite::updatetrdestroy)) {
    drawoffset(canvas, kUnfoldFrames);
  } else {
    (this->*drawstate)(canvas);
  }
}

bool Enemy7Sprite::damageCounts() const {
  return in(&Enemy7Sprite::updatenormal) || in(&Enemy7Sprite::updatetonormal) ||
         in(&Enemy7Sprite::updatetriangular);
}

// A hit that empties the life while the blades unfold starts nothing: the unfolding keeps adding
// life, and the next counting hit on the wheel tries again.
void Enemy7Sprite::destroy() {
  if (in(&Enemy7Sprite::updatetriangular)) {
    destroytr();
  } else if (in(&Enemy7Sprite::updatenormal)) {
    BossLifecycle::destroy();
  }
}

const char* Enemy7Sprite::fightingStateName() const {
  if (in(&Enemy7Sprite::updatetriangular)) return "updatetriangular";
  if (in(&Enemy7Sprite::updatetrbreakup)) return "updatetrbreakup";
  if (in(&Enemy7Sprite::updatetrdestroy)) return "updatetrdestroy";
  if (in(&Enemy7Sprite::updatetonormal)) return "updatetonormal";
  return "updatenormal";
}

const char* Enemy7Sprite::normalstate_name() const {
  if (normalstate == &Enemy7Sprite::updatenormal2) return "updatenormal2";
  if (normalstate == &Enemy7Sprite::updatenormal3) return "updatenormal3";
  return "updatenormal1";
}

void Enemy7Sprite::updatetriangular() {
  x += vx;
  y += vy;
  const MySprite& ship = Arena::current().ship();
  angle = gm::atan2(ship.get_y() - y, ship.get_x() - x);
  chase();
  fireTriangleVolleys();
}

// 341 frames: accelerate towards the ship, stop, stand, ease back to the top middle.
void Enemy7Sprite::chase() {
  const Rect& rc = Arena::current().field();
  if (count < 100) {
    vx += 0.05 * gm::cos(angle);
    vy += 0.05 * gm::sin(angle);
  } else if (count == 100) {
    vx = vy = 0.0;
  } else if (count < 160) {
    // stands still
  } else if (count < 340) {
    x += (rc.right / 2.0 - x) / 80.0;
    y += (rc.bottom / 4.0 - y) / 80.0;
  } else {
    count = -1;
  }
  ++count;
}

// The shot timer runs on when life crosses 100; each pattern resets it at a common multiple of
// its own periods.
void Enemy7Sprite::fireTriangleVolleys() {
  if (life >= 100) {
    fireCalmVolleys();
  } else {
    fireHardVolleys();
  }
  ++subcount;
}

// Three aimed shots 10 frames apart every 80 frames; a ring of seven about the aim every 90.
void Enemy7Sprite::fireCalmVolleys() {
  Arena& arena = Arena::current();
  for (int i = 0; i < 3; ++i) {
    if (subcount % 80 == 10 * i) {
      arena.fireEnemyShot(new EnemyLLSprite(x, y, 7 * gm::cos(angle), 7 * gm::sin(angle)));
      break;
    }
  }
  if (subcount % 90 == 0) {
    for (int j = 0; j < 7; ++j) {
      const double phi = angle + j * kTwoPi / 7;
      arena.fireEnemyShot(new EnemyLaserSprite(x, y, 4 * gm::cos(phi), 4 * gm::sin(phi)));
    }
  }
  if (subcount % 80 == 0 && subcount % 90 == 0) subcount = 0;
}

// Five faster aimed shots every 65 frames, a ring of fourteen every 50, and every 70 frames two
// fans of six from the triangle's sides, sweeping right and left by turns.
void Enemy7Sprite::fireHardVolleys() {
  Arena& arena = Arena::current();
  for (int i = 0; i < 5; ++i) {
    if (subcount % 65 == 5 * i) {
      arena.fireEnemyShot(new EnemyLLSprite(x, y, 8 * gm::cos(angle), 8 * gm::sin(angle)));
      break;
    }
  }
  if (subcount % 50 == 0) {
    for (int j = 0; j < 14; ++j) {
      const double phi = angle + j * kTwoPi / 14;
      arena.fireEnemyShot(new EnemyLaserSprite(x, y, 4 * gm::cos(phi), 4 * gm::sin(phi)));
    }
  }
  const int fanPhase = subcount % 140;
  if (fanPhase == 0 || fanPhase == 70) {
    const double sweep = fanPhase == 0 ? 5.0 : -5.0;
    for (int j = 0; j < 6; ++j) {
      arena.fireEnemyShot(new EnemyLLSprite(x - 20, y, sweep, j * 1.5));
      arena.fireEnemyShot(new EnemyLLSprite(x + 20, y, sweep, j * 1.5));
    }
  }
  if (subcount % 65 == 0 && subcount % 50 == 0 && subcount % 140 == 0) subcount = 0;
}

void Enemy7Sprite::destroytr() {
  count = 0;
  subcount = 0;
  state = &Enemy7Sprite::updatetrbreakup;
}

// Shakes with small explosions while gliding to the top middle, for 91 frames.
void Enemy7Sprite::updatetrbreakup() {
  if (blastThisFrame(kDeath.smallChance)) spawnBlast(breakupSpot(), kDeath.smallSizeBase, 21);
  ++count;
  const Rect& rc = Arena::current().field();
  x += (rc.right / 2.0 - x) / 60.0;
  y += (rc.bottom / 4.0 - y) / 60.0;
  if (count > 90) {
    state = &Enemy7Sprite::updatetrdestroy;
    count = 0;
  }
}

// Five frames of one large explosion and one shard each.
void Enemy7Sprite::updatetrdestroy() {
  spawnBlast(spotNear(get_x(), get_y(), 40), 80, 21);
  Arena& arena = Arena::current();
  arena.addEffect(new Enemy7DebrisSprite(x, y));
  if (++count > 4) {
    state = &Enemy7Sprite::updatetonormal;
    count = -kUnfoldPause;
    vx = vy = 0.0;
  }
}

// After a pause the blades fan out: blade i turns for the first 30 (i + 1) frames, so that they
// end 2π/7 apart, while the life grows by 452 over the 301 frames.
void Enemy7Sprite::updatetonormal() {
  if (count < 0) {
    ++count;
    return;
  }
  for (int k = count, i = kBlades - 1; k < 210; k += 30, --i) {
    Enemy7Image& turning = images[static_cast<std::size_t>(i)];
    turning.set_first_th(turning.get_first_th() + kUnfoldTurn);
  }
  ++count;
  if (count % 2 == 1) ++life;
  ++life;
  if (count > kUnfoldFrames) {
    state = &Enemy7Sprite::updatenormal;
    drawstate = &Enemy7Sprite::drawnormal;
    hitsize = kWheelHitsize;
    count = 0;
  }
}

void Enemy7Sprite::drawtriangular(Canvas& canvas) const {
  const Enemy7Image& first = images[0];
  const double r = first.get_outer_long();
  const Point apex = {gm::truncate(x + gm::cos(angle) * r * 0.75),
                      gm::truncate(y + gm::sin(angle) * r * 0.75)};
  const Point left = {gm::truncate(gm::cos(angle - kLegLeft) * r * 1.5),
                      gm::truncate(gm::sin(angle - kLegLeft) * r * 1.5)};
  const Point right = {gm::truncate(gm::cos(angle - kLegRight) * r * 1.5),
                       gm::truncate(gm::sin(angle - kLegRight) * r * 1.5)};
  const std::array<Point, 3> triangle = {apex, Point{left.x + apex.x, left.y + apex.y},
                                         Point{right.x + apex.x, right.y + apex.y}};
  canvas.polygon(triangle, first.get_pencol(), first.get_brushcol());
  first.drawclockwise(canvas, x + gm::cos(angle) * r * 0.5, y + gm::sin(angle) * r * 0.5,
                      angle - kLegRight, 1.0, kOwnColor, kOwnColor);
}

void Enemy7Sprite::drawnormal(Canvas& canvas) const {
  for (const Enemy7Image& blade : images)
    blade.draw(canvas, x, y, angle, 1.0, kOwnColor, kOwnColor);
}

// At n = 300 every blade lies where the triangle's blade lies; at 0 each has its apex at the
// centre and the wheel's rotation, fanned out by its own turn.
void Enemy7Sprite::drawoffset(Canvas& canvas, int n) const {
  for (const Enemy7Image& blade : images) {
    const double r = blade.get_outer_long();
    blade.drawclockwise(canvas, x + n * 0.5 * r * gm::cos(angle) / 300.0,
                        y + n * 0.5 * r * gm::sin(angle) / 300.0, angle + n * (-kLegRight) / 300.0,
                        1.0, kOwnColor, kOwnColor);
  }
}
