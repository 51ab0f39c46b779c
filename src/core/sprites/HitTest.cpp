#include "sprites/HitTest.h"

#include "math/Pi.h"
#include "sprites/Sprite.h"

bool testhit(const MyHitSprite* a, const MyHitSprite* b) {
  const double dx = a->get_x() - b->get_x();
  const double dy = a->get_y() - b->get_y();
  const int r = a->get_hitsize() + b->get_hitsize();
  return dx * dx + dy * dy <= static_cast<double>(r * r);
}

double neg_to_pos(double angle) {
  while (angle > kPi) angle -= kTwoPi;
  while (angle < -kPi) angle += kTwoPi;
  return angle;
}

double nearer_from(double reference, double angle) {
  if (reference - angle > kPi) return angle + kTwoPi;
  if (angle - reference > kPi) return angle - kTwoPi;
  return angle;
}
