#include "bosses/Enemy5.h"

#include <array>

#include "math/Angles.h"
#include "math/GameMath.h"
#include "math/Pi.h"
#include "sprites/Arena.h"
#include "weapons/EnemyLaserSprite.h"
#include "weapons/StraightLasers.h"

Enemy5Image::Enemy5Image() : VectorImage(5, kRed, kBlue) {
  for (int i = 0; i < 5; ++i) set_rth(i, 30, i * kTwoPi / 5 + kHalfPi);
}

const Enemy5Image& Enemy5Sprite::img() {
  static const Enemy5Image image;
  return image;
}

// Until the first frame places it on its circle, the boss stands at the circle's centre.
Enemy5Sprite::Enemy5Sprite(int centreX, int centreY)
    : BossLifecycle(kInitialLife, &Enemy5Sprite::updatenormal, kDeath),
      cx(centreX),
      x(centreX),
      cy(centreY),
      y(centreY) {}

void Enemy5Sprite::draw(Canvas& canvas) {
  if (!in(&Enemy5Sprite::updatenormal) && !in(&Enemy5Sprite::updatebreakup)) return;
  img().draw(canvas, x, y, 0.0, 1.0, kOwnColor, kOwnColor);
}

void Enemy5Sprite::updatenormal() {
  angle = neg_to_pos(angle + 0.05);
  x = cx + gm::truncate(40 * gm::cos(angle));
  y = cy + gm::truncate(40 * gm::sin(angle));
  ++count;
  // Both attacks come more often as life runs down.
  if (count % (static_cast<int>(life * 0.05) + 12) == 0) fireStar();
  if (count % (static_cast<int>(life * 0.1) + 30) == 0) {
    fireFan();
    // The counter runs on past 100 until the first fan at or after it.
    if (count > 99) count = 0;
  }
}

// One spinning star, slanting at random, always downwards.
void Enemy5Sprite::fireStar() {
  Arena& arena = Arena::current();
  const int forU = arena.rand();
  const double u = (forU % 10001) / 10000.0;
  const int forV = arena.rand();
  const double v = (forV % 10001) / 10000.0;
  const double vx = u * 4.0 - 2.0;
  const double vy = v * 2 + 0.1;
  arena.fireEnemyShot(new EnemyLaserSprite(x, y, vx, vy));
}

// Nine pointed lasers spreading from straight down outwards, falling faster as life runs down.
void Enemy5Sprite::fireFan() {
  static constexpr std::array<int, 9> kSpread = {0, 2, -2, 4, -4, 6, -6, 8, -8};
  Arena& arena = Arena::current();
  const int speed = static_cast<int>((200 - life) * 0.02) + 2;
  for (int vx : kSpread) arena.fireEnemyShot(new EnemyLLSprite(x, y, vx, speed));
}
