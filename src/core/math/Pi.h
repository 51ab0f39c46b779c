#pragma once

// The game turns with π to five decimals, 3.14159, not the exact value, and its fractions and
// multiples are those of that number: every angle, image and aim computes with these doubles.
inline constexpr double kPi = 3.14159;
inline constexpr double kTwoPi = 2 * kPi;      // a whole turn
inline constexpr double kHalfPi = kPi / 2;     // a quarter turn
inline constexpr double kQuarterPi = kPi / 4;  // an eighth of a turn
inline constexpr double kEighthPi = kPi / 8;   // a sixteenth of a turn

// Scaling by a power of two is exact, so these are the very doubles of the decimal forms.
static_assert(kTwoPi == 6.28318);
static_assert(kHalfPi == 1.570795);
static_assert(kQuarterPi == 0.7853975);
static_assert(kEighthPi == 0.39269875);
