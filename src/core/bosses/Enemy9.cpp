#include "bosses/Enemy9.h"

#include "math/GameMath.h"
#include "sprites/Arena.h"

Enemy9Sprite::Enemy9Sprite(int startX, int startY)
    : BossLifecycle(kInitialLife, &Enemy9Sprite::updatenormal, kDeath), x(startX), y(startY) {}

void Enemy9Sprite::draw(Canvas& canvas) {
  if (!in(&Enemy9Sprite::updatenormal) && !in(&Enemy9Sprite::updatebreakup)) return;
  image.draw(canvas, x, y, angle, 1.0, kOwnColor, kOwnColor);
}

void Enemy9Sprite::updatenormal() {
  angle += 0.005;
  runScript();
  ++count;
  image.update();
}

// The arms unfold over the second second; red, then yellow cells flash, and from count 700 the
// light-blue pattern stays lit.
void Enemy9Sprite::runScript() {
  switch (count) {
    case 100:
      for (int arm = 0; arm < 9; ++arm) image.unfoldArm(arm, 100, 100);
      break;
    case 300: image.startGlow(0); break;
    case 400: image.stopGlow(); break;
    case 500: image.startGlow(1); break;
    case 600: image.stopGlow(); break;
    case 700: image.startGlow(2); break;
    default: break;
  }
}

// Anywhere along one arm, from the centre out to its tip, and up to 10 pixels to either side, so
// that the body and arms break up together. Draws the arm, the distance, then the side offset.
BlastSpot Enemy9Sprite::breakupSpot() const {
  Arena& arena = Arena::current();
  const int arm = arena.rand() % 9;
  const int reach = gm::truncate(69 + image.arm(arm).reach());
  const int distance = arena.rand() % (reach + 1);
  const int side = arena.rand() % 21 - 10;
  const double a = Enemy9Image::armDirection(arm, angle);
  const double c = gm::cos(a);
  const double s = gm::sin(a);
  return {x + distance * c - side * s, y + distance * s + side * c};
}
