#include "math/Trigonometry.h"

#include <cmath>

#include "math/AngleReduction.h"
#include "math/TrigKernels.h"

namespace gm::detail {

using trig::cosKernel;
using trig::kPiOver4;
using trig::kTiny;
using trig::sinKernel;

double portableSin(double x) {
  if (!std::isfinite(x)) return x - x;  // NaN for infinities and NaN
  const double magnitude = std::fabs(x);
  if (magnitude < kTiny) return x;
  if (magnitude <= kPiOver4) return sinKernel(x, 0.0);
  const ReducedAngle a = reduceQuarterTurns(x);
  switch (a.quadrant) {
    case 0: return sinKernel(a.head, a.tail);
    case 1: return cosKernel(a.head, a.tail);
    case 2: return -sinKernel(a.head, a.tail);
    default: return -cosKernel(a.head, a.tail);
  }
}

double portableCos(double x) {
  if (!std::isfinite(x)) return x - x;
  const double magnitude = std::fabs(x);
  if (magnitude < kTiny) return 1.0;
  if (magnitude <= kPiOver4) return cosKernel(x, 0.0);
  const ReducedAngle a = reduceQuarterTurns(x);
  switch (a.quadrant) {
    case 0: return cosKernel(a.head, a.tail);
    case 1: return -sinKernel(a.head, a.tail);
    case 2: return -cosKernel(a.head, a.tail);
    default: return sinKernel(a.head, a.tail);
  }
}

}  // namespace gm::detail
