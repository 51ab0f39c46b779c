#include "weapons/Pulses.h"

#include <array>
#include <optional>

#include "math/GameMath.h"
#include "math/Pi.h"
#include "sprites/Arena.h"

YSPulseImage::YSPulseImage() : VectorImage(8, 0x00FFFF, 0x00C8FF) {
  for (int i = 0; i < 8; ++i) set_rth(i, 7, i * kPi / 4);
}

void YSPulseImage::draw(Canvas& canvas, double x, double y, double rotation, double scale,
                        double vx, double vy, Colorref pen, Colorref brush) const {
  VectorImage::draw(canvas, x, y, rotation, scale, pen, brush);
  const Colorref outline = pen == kOwnColor ? get_pencol() : pen;
  std::array<Point, 6> comet;
  comet[0] = {gm::truncate(x - 5 * vx), gm::truncate(y - 5 * vy)};
  const double backwards = gm::atan2(-5 * vy, -5 * vx);
  for (int k = 1; k <= 5; ++k) {
    const double th = backwards + k * kPi / 3;
    comet[static_cast<std::size_t>(k)] = {gm::truncate(x + 10 * gm::cos(th)),
                                          gm::truncate(y + 10 * gm::sin(th))};
  }
  canvas.polygon(comet, outline, std::nullopt);
}

YSPulseSprite::YSPulseSprite(double startX, double startY, double velocityX, double velocityY)
    : EnemyShotSprite(startX, startY, velocityX, velocityY, hitsize) {}

void YSPulseSprite::update() {
  x += vx;
  y += vy;
  if (vx * vx + vy * vy > 3) {
    vx *= 0.965;
    vy *= 0.965;
  }
  leaveWhenOutside(kMargin);
}

void YSPulseSprite::draw(Canvas& canvas) {
  image.draw(canvas, x, y, 0.0, 1.0, vx, vy, kOwnColor, kOwnColor);
}
