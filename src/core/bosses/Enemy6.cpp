#include "bosses/Enemy6.h"

#include <array>

#include "math/Angles.h"
#include "math/GameMath.h"
#include "sprites/Arena.h"
#include "weapons/AcceleratingShots.h"
#include "weapons/EnemyLaserSprite.h"
#include "weapons/StraightLasers.h"

namespace {

// The gap's half width per step of k, and the heights of the outer and inner bottom sides.
constexpr double kGapStep = 0.10000015320503905;
constexpr double kInnerBottom = 17.320499230382683;
constexpr double kOuterBottom = kInnerBottom / 20 * 40;

// The direction from the ring's centre through its gap side, which faces the ship.
constexpr double kQuarterTurn = 1.570795;

}  // namespace

Enemy6Image::Enemy6Image() : body(16, 0x0000FF, 0xFF0000), star(10, 0x0000FF, 0xFF0000) {
  for (int i = 1; i <= 6; ++i) body.set_rth(i, 40, neg_to_pos((i + 1) * 3.14159 / 3));
  for (int i = 9; i <= 14; ++i) body.set_rth(i, 20, neg_to_pos((i - 10) * 3.14159 / -3));
  for (int i = 0; i < 10; ++i) star.set_rth(i, i % 2 == 0 ? 3 : 8, i * 6.28318 / 10 + kQuarterTurn);
  unfold(kOpen);
}

bool Enemy6Image::unfold(int k) {
  if (k < kClosed || k > kOpen) return false;
  const double d = k * kGapStep;
  body.set_xy(0, -d, kOuterBottom);
  body.set_xy(7, d, kOuterBottom);
  body.set_xy(8, d, kInnerBottom);
  body.set_xy(15, -d, kInnerBottom);
  gap_ = k;
  return true;
}

void Enemy6Image::rotatestar(double a) { starangle = neg_to_pos(starangle + a); }

void Enemy6Image::draw(Canvas& canvas, double x, double y, double rotation, double scale,
                       Colorref pen, Colorref brush) const {
  body.draw(canvas, x, y, rotation, scale, pen, brush);
  star.draw(canvas, x, y, starangle, scale, pen, brush);
}

Enemy6Sprite::Enemy6Sprite(int startX, int startY)
    : BossLifecycle(kInitialLife, &Enemy6Sprite::updatenormal, kDeath), x(startX), y(startY) {
  img.unfold(Enemy6Image::kClosed);
}

void Enemy6Sprite::draw(Canvas& canvas) {
  if (!in(&Enemy6Sprite::updatenormal) && !in(&Enemy6Sprite::updatebreakup)) return;
  img.draw(canvas, x, y, angle, 1.0, kOwnColor, kOwnColor);
}

void Enemy6Sprite::updatenormal() {
  x += vx;
  y += vy;
  const MySprite& ship = Arena::current().ship();
  angle = gm::atan2(ship.get_y() - y, ship.get_x() - x) - kQuarterTurn;
  img.rotatestar(-0.1);
  ++count;
  if (count < kStop) {
    roam();
  } else if (count == kStop) {
    vx = vy = 0.0;
  } else if (count < kBarrage) {
    img.unfold(count - kStop);
  } else if (count < kClose) {
    fireBarrage();
  } else if (count < kCycleEnd) {
    img.unfold(kCycleEnd - count);
  } else {
    count = -1;
  }
}

void Enemy6Sprite::roam() {
  if (count % 20 == 0 && count % 100 < 40) fireSpread();
  fireDownwardPair();
  if (count % 60 == 0) chooseCourse();
}

// Five spinning stars fanned about the direction of the ship, the middle one straight at it.
void Enemy6Sprite::fireSpread() {
  static constexpr std::array<double, 5> kOffsets = {0, 0.6, -0.6, 1.2, -1.2};
  Arena& arena = Arena::current();
  for (double offset : kOffsets) {
    const double th = angle + kQuarterTurn + offset;
    arena.fireEnemyShot(new EnemyLaserSprite(x, y, 2.5 * gm::cos(th), 2.5 * gm::sin(th)));
  }
}

// A fast narrow V straight down at the start of every 120 frames, then a slower, wider one.
void Enemy6Sprite::fireDownwardPair() {
  const int k = count % 120;
  if (k < 5) {
    firePointedPair(4, kQuarterTurn, 0.04 * k);
  } else if (12 < k && k < 30) {
    firePointedPair(2, kQuarterTurn, 0.01 * k);
  }
}

void Enemy6Sprite::firePointedPair(double speed, double direction, double spread) {
  Arena& arena = Arena::current();
  for (double th : {direction + spread, direction - spread}) {
    arena.fireEnemyShot(new EnemyLLSprite(x, y, speed * gm::cos(th), speed * gm::sin(th)));
  }
}

// Drifts at one pixel per frame towards a random point of the upper half. A point on the boss's
// own position gives no direction; the boss then keeps the course it had.
void Enemy6Sprite::chooseCourse() {
  Arena& arena = Arena::current();
  const int forX = arena.rand();
  const int tx = forX % (arena.field().right - 1) + 1;
  const int forY = arena.rand();
  const int ty = (forY % (arena.field().bottom - 1) + 1) / 2;
  const double dx = tx - x;
  const double dy = ty - y;
  const double distance = gm::sqrt(dx * dx + dy * dy);
  if (distance == 0.0) return;
  vx = dx / distance;
  vy = dy / distance;
}

// One red bar a frame from just around the centre towards the ship, and a fast pair sweeping
// symmetrically about the aim in the first two frames of every twenty.
void Enemy6Sprite::fireBarrage() {
  Arena& arena = Arena::current();
  const int forU = arena.rand();
  const double u = (forU % 10001) / 10000.0;
  const int forV = arena.rand();
  const double v = (forV % 10001) / 10000.0;
  arena.fireEnemyShot(new RedRapidLaserSprite(x + 6 * u - 3, y + 6 * v - 3, angle));
  if (count % 20 < 2) firePointedPair(6, angle + kQuarterTurn, 0.08 * (count - 680));
}
