#include "bosses/Enemy7Debris.h"

#include "game/World.h"
#include "math/Pi.h"
#include "sprites/HitTest.h"
#include "weapons/EnemyShot.h"

Enemy7DebrisImage::Enemy7DebrisImage() : VectorImage(4, kRed, kBlue) {
  World& world = World::current();
  for (int i = 0; i < 4; ++i) {
    const int forTh = world.rand();
    const double th = (forTh % 1000) / 1000.0 * kPi * 2;
    const int forR = world.rand();
    const int r = forR % 41 + 10;
    set_rth(i, r, th);
  }
}

Enemy7DebrisSprite::Spin Enemy7DebrisSprite::randomSpin() {
  World& world = World::current();
  const int forVx = world.rand();
  const int forVy = world.rand();
  const int forAngle = world.rand();
  const int forDangle = world.rand();
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
  World& world = World::current();
  if (leavesField(world.rc, x, y, kHalfSize)) world.requestDelete(world.delosprites, this);
}

void Enemy7DebrisSprite::draw(Canvas& canvas) {
  img.draw(canvas, x, y, angle, 1.0, kOwnColor, kOwnColor);
}
