#include "math/GameMath.h"

#include <cmath>

#include "math/ArcTangent.h"
#include "math/Trigonometry.h"

// The C libraries of Linux and Windows round sin, cos and atan2 differently in the last bit now
// and then, and one such bit is enough for two replays of the same input to part ways. So the game
// computes them itself, alike everywhere. sqrt needs nothing of the kind: IEEE arithmetic rounds it
// exactly on every platform.
namespace gm {
double sin(double x) { return detail::portableSin(x); }
double cos(double x) { return detail::portableCos(x); }
double atan2(double y, double x) { return detail::portableAtan2(y, x); }
double sqrt(double x) { return std::sqrt(x); }
}  // namespace gm
