#include "math/GameMath.h"

#include <cmath>

namespace gm {
double sin(double x) { return std::sin(x); }
double cos(double x) { return std::cos(x); }
double atan2(double y, double x) { return std::atan2(y, x); }
double sqrt(double x) { return std::sqrt(x); }
}  // namespace gm

namespace gm {
int truncate(double value) {
  if (!(value == value)) return 0;  // NaN
  if (value > 1e9) return 1'000'000'000;
  if (value < -1e9) return -1'000'000'000;
  return static_cast<int>(value);
}
}  // namespace gm
