#pragma once

// The polynomial kernels of the game's sine and cosine, and both of them at once, inline: every
// drawn point of every image asks for one angle's sine and cosine.
#include <cmath>

#include "math/AngleReduction.h"

namespace gm::detail::trig {

// Minimax polynomials on [-pi/4, pi/4]: sin x = x + x^3 (S1 + x^2 S2 + ...), and
// cos x = 1 - x^2/2 + x^4 (C1 + x^2 C2 + ...).
constexpr double S1 = -1.66666666666666324348e-01;
constexpr double S2 = 8.33333333332248946124e-03;
constexpr double S3 = -1.98412698298579493134e-04;
constexpr double S4 = 2.75573137070700676789e-06;
constexpr double S5 = -2.50507602534068634195e-08;
constexpr double S6 = 1.58969099521155010221e-10;

constexpr double C1 = 4.16666666666666019037e-02;
constexpr double C2 = -1.38888888888741095749e-03;
constexpr double C3 = 2.48015872894767294178e-05;
constexpr double C4 = -2.75573143513906633035e-07;
constexpr double C5 = 2.08757232129817482790e-09;
constexpr double C6 = -1.13596475577881948265e-11;

constexpr double kPiOver4 = 7.85398163397448278999e-01;
constexpr double kTiny = 7.450580596923828125e-9;  // 2^-27: below it sin x rounds to x, cos to 1

// sin(x + y) for |x| <= pi/4 with y a small tail of x.
inline double sinKernel(double x, double y) {
  const double z = x * x;
  const double v = z * x;
  const double r = S2 + z * (S3 + z * (S4 + z * (S5 + z * S6)));
  if (y == 0.0) return x + v * (S1 + z * r);
  return x - ((z * (0.5 * y - v * r) - y) - v * S1);
}

// cos(x + y) for |x| <= pi/4 with y a small tail of x.
inline double cosKernel(double x, double y) {
  const double z = x * x;
  const double w = z * z;
  const double r = z * (C1 + z * (C2 + z * C3)) + w * w * (C4 + z * (C5 + z * C6));
  const double hz = 0.5 * z;
  const double one = 1.0 - hz;
  return one + (((1.0 - one) - hz) + (z * r - x * y));
}

}  // namespace gm::detail::trig

namespace gm::detail {

// Both at once from one reduction of the angle: the same bits as portableSin and portableCos.
inline void portableSinCos(double x, double& sine, double& cosine) {
  if (!std::isfinite(x)) {
    sine = cosine = x - x;
    return;
  }
  const double magnitude = std::fabs(x);
  if (magnitude < trig::kTiny) {
    sine = x;
    cosine = 1.0;
    return;
  }
  if (magnitude <= trig::kPiOver4) {
    sine = trig::sinKernel(x, 0.0);
    cosine = trig::cosKernel(x, 0.0);
    return;
  }
  const ReducedAngle a = reduceQuarterTurns(x);
  const double s = trig::sinKernel(a.head, a.tail);
  const double c = trig::cosKernel(a.head, a.tail);
  switch (a.quadrant) {
    case 0: sine = s, cosine = c; break;
    case 1: sine = c, cosine = -s; break;
    case 2: sine = -s, cosine = -c; break;
    default: sine = -c, cosine = s; break;
  }
}

}  // namespace gm::detail
