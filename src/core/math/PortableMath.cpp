#include "math/PortableMath.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace portable {

namespace {

constexpr double kLn2 = 0.6931471805599453;
constexpr double kInverseLn2 = 1.4426950408889634;
constexpr int kTerms = 14;  // the next term is below 1e-17 of the sum

// 1 / n! for n = 0 .. kTerms, worked out by the compiler.
constexpr auto kInverseFactorials = [] {
  std::array<double, kTerms + 1> inverse{};
  double factorial = 1.0;
  for (int n = 0; n <= kTerms; ++n) {
    if (n > 0) factorial *= n;
    inverse[static_cast<std::size_t>(n)] = 1.0 / factorial;
  }
  return inverse;
}();

// 2^k for |k| < 1023, straight into the exponent bits: exact, and cheaper than std::ldexp.
// (memcpy rather than std::bit_cast, which the browser build's library lacks.)
double powerOfTwo(int k) {
  const std::uint64_t bits = static_cast<std::uint64_t>(k + 1023) << 52;
  double value = 0.0;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

}  // namespace

// e^x = 2^k * e^r with |r| <= ln2 / 2, e^r by its Taylor series (Horner's rule). std::nearbyint
// is exact.
double exp(double x) {
  const double k = std::nearbyint(x * kInverseLn2);
  const double r = x - k * kLn2;
  double sum = kInverseFactorials[kTerms];
  for (int n = kTerms - 1; n >= 0; --n)
    sum = sum * r + kInverseFactorials[static_cast<std::size_t>(n)];
  return sum * powerOfTwo(static_cast<int>(k));
}

// x = m * 2^e with m in [0.5, 1), taken to [0.707, 1.414); ln m = 2 atanh((m - 1) / (m + 1)) by
// its series. std::frexp is exact.
double log(double x) {
  int e = 0;
  double m = std::frexp(x, &e);
  if (m < 0.7071067811865476) {
    m *= 2.0;
    --e;
  }
  const double s = (m - 1.0) / (m + 1.0);
  const double s2 = s * s;
  double power = s;
  double sum = 0.0;
  for (int n = 1; n <= 41; n += 2) {
    sum += power / n;
    power *= s2;
  }
  return 2.0 * sum + e * kLn2;
}

}  // namespace portable
