#include "weapons/EnemyLaserSprite.h"

#include "math/Angles.h"

const EnemyLaserImage& EnemyLaserSprite::img() {
  static const EnemyLaserImage image;
  return image;
}

EnemyLaserSprite::EnemyLaserSprite(double startX, double startY, double velocityX, double velocityY)
    : EnemyShotSprite(startX, startY, velocityX, velocityY, hitsize) {
  side = 2;
}

void EnemyLaserSprite::update() {
  x += vx;
  y += vy;
  angle = neg_to_pos(angle + 0.1);
  leaveWhenOutside(kMargin);
}

void EnemyLaserSprite::draw(Canvas& canvas) {
  img().draw(canvas, x, y, angle, 1.0, kOwnColor, kOwnColor);
}
