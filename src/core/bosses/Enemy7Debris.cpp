#include "bosses/Enemy7Debris.h"

#include "math/Angles.h"
#include "math/Pi.h"
#include "sprites/Arena.h"
#include "weapons/EnemyShot.h"

Enemy7DebrisImage::Enemy7DebrisImage() : VectorImage(4, kRed, kBlue) {
  Arena& arena = Arena::current();
  for (int i = 0; i < 4; ++i) {
    const int forTh = arena.rand();
    const double th = (forTh % 1000) / 1000.0 * kPi * 2;
    const int forR = arena.rand();
    const int r = forR % 41 + 10;
    set_rth(i, r, th);
  }
}

Enemy7DebrisSprite::Spin Enemy7DebrisSprite::randomSpin() {
  Arena& arena = Arena::current();
  const int forVx = arena.rand();
  const int forVy = arena.rand();
  const int forAngle = arena.rand();
  const int forDangle = arena.rand();
  return {static_cast<double>(forVx % 7 - 3), static_cast<double>(forVy % 7 - 3),
          (forAngle % 100) / 50.0 * kPi, ((forDangle % 201) - 100) / 1200.0 * kPi};
}

Enemy7DebrisSprite::Enemy7DebrisSprite(double startX, double startY)
    : Enemy7DebrisSprite(startX, startY, randomSpin()) {}

Enemy7DebrisSprite::Enemy7DebrisSprite(double startX, double startY, const Spin& spin)
    : x(startX), y(startY), vx(spin.vx), vy(spin.vy), angle(spin.angle), dangle(spin.dangle) {}

void Enemy7DebrisSprite::update() {
  x += vx;
  y += vy;
  angle = neg_to_pos(angle + dangle);
  Arena& arena = Arena::current();
  if (leavesField(arena.field(), x, y, kHalfSize)) arena.removeEffect(this);
}

void Enemy7DebrisSprite::draw(Canvas& canvas) {
  img.draw(canvas, x, y, angle, 1.0, kOwnColor, kOwnColor);
}
