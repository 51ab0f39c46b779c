#pragma once

// atan2 of the game, the same bits on every platform: a rational reduction to |t| < 7/16 around one
// of four known arctangents, then one polynomial, in plain double arithmetic. Error within one
// unit in the last place.
namespace gm::detail {
double portableAtan(double x);
double portableAtan2(double y, double x);
}  // namespace gm::detail
