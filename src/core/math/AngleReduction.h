#pragma once

// Reduction of an angle to the quarter turn around 0: x = n * pi/2 + (head + tail), with
// |head + tail| <= about pi/4 and the pair carrying far more precision than one double. Only IEEE
// additions and multiplications and integer arithmetic, so every build reduces alike.
namespace gm::detail {

struct ReducedAngle {
  int quadrant;  // n mod 4, 0..3
  double head;
  double tail;
};

// x must be finite.
ReducedAngle reduceQuarterTurns(double x);

}  // namespace gm::detail
