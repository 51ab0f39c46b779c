#include "math/Angles.h"

#include "math/Pi.h"

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
