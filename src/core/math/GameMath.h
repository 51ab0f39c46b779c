#pragma once

#include "math/TrigKernels.h"

// The few elementary functions the game computes with. Every rule goes through these, so that the
// Linux and Windows builds compute bit-identical positions from identical input.
namespace gm {
double sin(double x);
double cos(double x);
// sin and cos of one angle, the same bits as the two calls, for half the work.
inline void sincos(double x, double& sine, double& cosine) {
  detail::portableSinCos(x, sine, cosine);
}
double atan2(double y, double x);
double sqrt(double x);
}  // namespace gm

namespace gm {
// Double to int toward zero, as the game converts coordinates and counts. Values beyond what an int
// holds are pinned to +-1e9 (far off any screen) instead of being undefined. Inline: every drawn
// point goes through it twice.
inline int truncate(double value) {
  if (!(value == value)) return 0;  // NaN
  if (value > 1e9) return 1'000'000'000;
  if (value < -1e9) return -1'000'000'000;
  return static_cast<int>(value);
}
}  // namespace gm
