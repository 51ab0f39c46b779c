#pragma once

// The few elementary functions the game computes with. Every rule goes through these, so that the
// Linux and Windows builds compute bit-identical positions from identical input.
namespace gm {
double sin(double x);
double cos(double x);
double atan2(double y, double x);
double sqrt(double x);
}  // namespace gm

namespace gm {
// Double to int toward zero, as the game converts coordinates and counts. Values beyond what an int
// holds are pinned to +-1e9 (far off any screen) instead of being undefined.
int truncate(double value);
}  // namespace gm
