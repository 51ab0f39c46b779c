#include "weapons/OrbitingShot.h"

#include <algorithm>

#include "math/Angles.h"
#include "math/GameMath.h"
#include "math/Pi.h"
#include "sprites/Arena.h"

namespace {

// A fourteenth of a turn: the step from one point of the orbit to the next.
constexpr double kOrbitStep = kPi / 7;

const EnemyBaseSprite& boss() { return Arena::current().boss(); }

}  // namespace

CH7Image::CH7Image() : VectorImage(7, 0xB4006E, 0x000000) {
  for (int i = 0; i < 7; ++i) set_rth(i, 15, 2 * i * kPi / 7);
}

void CH7Image::draw(Canvas& canvas, double x, double y, double rotation, double scale, Colorref,
                    Colorref) const {
  int& cycle = Arena::current().orbitColour();
  cycle = (cycle + 1) % 200;
  const int u = cycle <= 100 ? cycle : 200 - cycle;
  // Byte arithmetic: the colour jumps about from draw to draw.
  const Colorref outline = rgb((110 * u) % 256, 0, (180 * u) % 256);
  VectorImage::draw(canvas, x, y, rotation, scale, outline, get_brushcol());
}

const CH7Image& CH7Sprite::img() {
  static const CH7Image image;
  return image;
}

CH7Sprite::CH7Sprite(double th)
    : EnemyShotSprite(boss().get_x(), boss().get_y(), 0.0, 0.0, hitsize),
      cx(x),
      cy(y),
      angle(th + kOrbitStep) {
  aimAtOrbit();
}

void CH7Sprite::update() {
  if (++legframes >= kLegFrames) startNextLeg();
  x += vx;
  y += vy;
  // Until its last phase the shot comes back round, however far out its orbit takes it.
  if (phase == 2) leaveWhenOutside(kMargin);
}

// The 10th re-aim ends the widening and the 88th the sweeping; the last phase never ends.
void CH7Sprite::startNextLeg() {
  legframes = 0;
  if (++legs > 9) {
    legs = -68;
    phase = std::min(phase + 1, 2);
  }
  const MySprite& ship = Arena::current().ship();
  const double dx = ship.get_x() - cx;
  const double dy = ship.get_y() - cy;
  const double shipDistance = gm::sqrt(dx * dx + dy * dy);
  if (phase == 1 && radius > shipDistance) {
    radius -= kRadiusStep;
  } else {
    radius += kRadiusStep;
  }
  angle = neg_to_pos(angle + kOrbitStep);
  cx = boss().get_x();
  cy = boss().get_y();
  aimAtOrbit();
}

// Heads for the point of the orbit at `angle`, to be reached in one leg.
void CH7Sprite::aimAtOrbit() {
  vx = (cx + radius * gm::cos(angle) - x) / kLegFrames;
  vy = (cy + radius * gm::sin(angle) - y) / kLegFrames;
}

// The heptagon turns by one radian for the second half of each leg.
void CH7Sprite::draw(Canvas& canvas) {
  img().draw(canvas, x, y, (2 * legframes) / kLegFrames, 1.0, kOwnColor, kOwnColor);
}
