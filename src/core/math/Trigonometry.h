#pragma once

// Sine and cosine of the game, the same bits on every platform: polynomial kernels on the quarter
// turn around 0 after an exact reduction, in plain double arithmetic. Error below one unit in the
// last place for every finite argument.
namespace gm::detail {
double portableSin(double x);
double portableCos(double x);
}  // namespace gm::detail
