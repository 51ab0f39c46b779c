#include "weapons/StraightLasers.h"

#include "math/GameMath.h"
#include "math/Pi.h"

StraightLaserSprite::StraightLaserSprite(double startX, double startY, double velocityX,
                                         double velocityY, int hitsize)
    : EnemyShotSprite(startX, startY, velocityX, velocityY, hitsize) {
  side = 2;
}

void StraightLaserSprite::update() {
  x += vx;
  y += vy;
  leaveWhenOutside(kMargin);
}

const EnemyLLImage& EnemyLLSprite::img() {
  static const EnemyLLImage image;
  return image;
}

EnemyLLSprite::EnemyLLSprite(double startX, double startY, double velocityX, double velocityY)
    : StraightLaserSprite(startX, startY, velocityX, velocityY, hitsize) {}

void EnemyLLSprite::update() {
  StraightLaserSprite::update();
  // The image's long point faces down at rotation 0; turn it onto the path.
  angle = gm::atan2(vy, vx) - kHalfPi;
}

void EnemyLLSprite::draw(Canvas& canvas) {
  img().draw(canvas, x, y, angle, 1.0, kOwnColor, kOwnColor);
}

namespace {
std::unique_ptr<VectorImage> pelletImage(SmallLaserSprite::ltype type) {
  if (type == SmallLaserSprite::white) return std::make_unique<WhiteCircleImage>();
  return std::make_unique<YellowCircleImage>();
}
}  // namespace

SmallLaserSprite::SmallLaserSprite(double startX, double startY, double velocityX, double velocityY,
                                   unsigned int hitsize, ltype type)
    : StraightLaserSprite(startX, startY, velocityX, velocityY, static_cast<int>(hitsize)),
      image_(pelletImage(type)) {}

void SmallLaserSprite::draw(Canvas& canvas) {
  image_->draw(canvas, x, y, 0.0, 1.0, kOwnColor, kOwnColor);
}
