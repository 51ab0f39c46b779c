#include "weapons/AcceleratingShots.h"

#include "math/GameMath.h"
#include "math/Pi.h"
#include "sprites/Arena.h"

void AcceleratingShotSprite::moveThenAccelerate() {
  x += vx;
  y += vy;
  vx += ax;
  vy += ay;
}

void AcceleratingShotSprite::accelerateThenMove() {
  vx += ax;
  vy += ay;
  x += vx;
  y += vy;
}

// The red bar.

const RedRapidLaserImage& RedRapidLaserSprite::img() {
  static const RedRapidLaserImage image;
  return image;
}

RedRapidLaserSprite::RedRapidLaserSprite(double startX, double startY, double th)
    : AcceleratingShotSprite(startX, startY, 0.0, 0.0, 0.0, 0.0, hitsize), angle(th + kHalfPi) {
  ax = gm::cos(angle);
  ay = gm::sin(angle);
  side = 2;
}

void RedRapidLaserSprite::update() {
  moveThenAccelerate();
  leaveWhenOutside(kMargin);
}

void RedRapidLaserSprite::draw(Canvas& canvas) {
  img().draw(canvas, x, y, angle, 1.0, kOwnColor, kOwnColor);
}

// The stretching bolt.

BSTLaserImage& BSTLaserSprite::img() {
  static BSTLaserImage image;
  return image;
}

BSTLaserSprite::BSTLaserSprite(double startX, double startY, double velocityX, double velocityY,
                               double accelX, double accelY)
    : AcceleratingShotSprite(startX, startY, velocityX, velocityY, accelX, accelY, hitsize) {}

void BSTLaserSprite::update() {
  moveThenAccelerate();
  const double speed = gm::sqrt(vx * vx + vy * vy);
  img().set_xy(0, -2 * speed, 3);
  img().set_xy(3, -2 * speed, -3);
  leaveWhenOutside(kMargin);
}

void BSTLaserSprite::draw(Canvas& canvas) {
  img().draw(canvas, x, y, gm::atan2(vy, vx), 1.0, kOwnColor, kOwnColor);
}

// The plasma ball.

const PWLaserImage& PWLaserSprite::img() {
  static const PWLaserImage image;
  return image;
}

PWLaserSprite::PWLaserSprite(double startX, double startY)
    : AcceleratingShotSprite(startX, startY, 0.0, 0.0, 0.0, 0.0, hitsize) {
  Arena& arena = Arena::current();
  const int forX = arena.rand();
  vx = (forX % 30 - 15) / 10.0;
  const int forY = arena.rand();
  vy = (forY % 30 - 15) / 10.0;
}

void PWLaserSprite::update() {
  moveThenAccelerate();
  capSpeed();
  driftAcceleration();
  leaveWhenOutside(kMargin);
}

void PWLaserSprite::capSpeed() {
  const double squared = vx * vx + vy * vy;
  if (squared <= kSpeedLimit * kSpeedLimit) return;
  const double speed = gm::sqrt(squared);
  vx = vx / speed * kSpeedLimit;
  vy = vy / speed * kSpeedLimit;
}

void PWLaserSprite::driftAcceleration() {
  Arena& arena = Arena::current();
  const int forX = arena.rand();
  ax += (forX % 1001) / 20000.0 - 0.025;
  const int forY = arena.rand();
  ay += (forY % 1001) / 20000.0 - 0.025;
}

void PWLaserSprite::draw(Canvas& canvas) {
  img().draw(canvas, x, y, 0.0, 1.0, kOwnColor, kOwnColor);
}

// The red pointed laser.

const EnemyLTLImage& EnemyLTLSprite::img() {
  static const EnemyLTLImage image;
  return image;
}

EnemyLTLSprite::EnemyLTLSprite(double startX, double startY, double velocityX, double velocityY,
                               double accelX, double accelY)
    : AcceleratingShotSprite(startX, startY, velocityX, velocityY, accelX, accelY, hitsize) {
  side = 2;
}

void EnemyLTLSprite::update() {
  accelerateThenMove();
  angle = gm::atan2(vy, vx) - kHalfPi;
  leaveWhenOutside(kMargin);
}

void EnemyLTLSprite::draw(Canvas& canvas) {
  img().draw(canvas, x, y, angle, 1.0, kOwnColor, kOwnColor);
}
