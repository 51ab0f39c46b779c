#include "math/AngleReduction.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace gm::detail {
namespace {

__extension__ typedef unsigned __int128 Uint128;

// pi/2 split into pieces whose products with a small integer n are exact, so x - n*pi/2 can be
// taken in up to three steps as n grows (about 85, 118 and 151 bits of pi/2).
constexpr double kTwoOverPi = 6.36619772367581382433e-01;
constexpr double kPiOver2Part1 = 1.57079632673412561417e+00;  // first 33 bits
constexpr double kPiOver2Part1Tail = 6.07710050650619224932e-11;
constexpr double kPiOver2Part2 = 6.07710050630396597660e-11;  // next 33 bits
constexpr double kPiOver2Part2Tail = 2.02226624879595063154e-21;
constexpr double kPiOver2Part3 = 2.02226624871116645580e-21;  // next 33 bits
constexpr double kPiOver2Part3Tail = 8.47842766036889956997e-32;

// Up to here the three-step subtraction is exact enough; beyond, the long division below.
constexpr double kMediumLimit = 1647099.3291652855;  // 2^20 * pi/2

// The binary digits of 2/pi after the point, 64 to a word: enough for every finite double.
constexpr std::uint64_t kTwoOverPiBits[] = {
    0xA2F9836E4E441529ULL, 0xFC2757D1F534DDC0ULL, 0xDB6295993C439041ULL, 0xFE5163ABDEBBC561ULL,
    0xB7246E3A424DD2E0ULL, 0x06492EEA09D1921CULL, 0xFE1DEB1CB129A73EULL, 0xE88235F52EBB4484ULL,
    0xE99C7026B45F7E41ULL, 0x3991D639835339F4ULL, 0x9C845F8BBDF9283BULL, 0x1FF897FFDE05980FULL,
    0xEF2F118B5A0A6D1FULL, 0x6D367ECF27CB09B7ULL, 0x4F463F669E5FEA2DULL, 0x7527BAC7EBE5F17BULL,
    0x3D0739F78A5292EAULL, 0x6BFB5FB11F8D5D08ULL, 0x56033046FC7B6BABULL, 0xF0CFBC209AF4361DULL};
constexpr int kTwoOverPiWords = sizeof kTwoOverPiBits / sizeof kTwoOverPiBits[0];

// pi/2 * 2^126, rounded down: a 127-bit fixed-point number.
constexpr Uint128 kPiOver2Fixed = (Uint128{0x6487ED5110B4611AULL} << 64) | 0x62633145C06E0E68ULL;

// The bits of a double, copied rather than std::bit_cast: the standard library of the browser
// build (Emscripten 3.1) predates it.
std::uint64_t bitsOf(double x) {
  std::uint64_t bits;
  std::memcpy(&bits, &x, sizeof bits);
  return bits;
}

int exponentBits(double x) { return static_cast<int>((bitsOf(x) >> 52) & 0x7FF); }

// x rounded to the nearest integer, ties to even, by the classic add-and-subtract of 1.5 * 2^52.
double nearestInteger(double x) {
  constexpr double kShifter = 6755399441055744.0;
  return (x + kShifter) - kShifter;
}

ReducedAngle reduceMedium(double x) {
  const double n = nearestInteger(x * kTwoOverPi);
  double r = x - n * kPiOver2Part1;
  double w = n * kPiOver2Part1Tail;
  double head = r - w;
  const int exponent = exponentBits(x);
  // Each step is needed only when the previous one cancelled many leading bits.
  if (exponent - exponentBits(head) > 16) {
    double t = r;
    w = n * kPiOver2Part2;
    r = t - w;
    w = n * kPiOver2Part2Tail - ((t - r) - w);
    head = r - w;
    if (exponent - exponentBits(head) > 49) {
      t = r;
      w = n * kPiOver2Part3;
      r = t - w;
      w = n * kPiOver2Part3Tail - ((t - r) - w);
      head = r - w;
    }
  }
  const double tail = (r - head) - w;
  const auto quadrant = static_cast<int>(static_cast<std::int64_t>(n) & 3);
  return {quadrant, head, tail};
}

// 64 bits of 2/pi starting at bit `first` after the point (bits past the table count as 0).
std::uint64_t twoOverPiWindow(int first) {
  const int word = first / 64;
  const int shift = first % 64;
  auto at = [](int i) { return i < kTwoOverPiWords ? kTwoOverPiBits[i] : 0; };
  if (shift == 0) return at(word);
  return (at(word) << shift) | (at(word + 1) >> (64 - shift));
}

// An unsigned 128-bit value times 2^scale as a head and tail double.
void toDoubles(Uint128 value, int scale, double& head, double& tail) {
  if (value == 0) {
    head = tail = 0;
    return;
  }
  const auto high = static_cast<std::uint64_t>(value >> 64);
  const int top = high ? 127 - std::countl_zero(high)
                       : 63 - std::countl_zero(static_cast<std::uint64_t>(value));
  const int drop = top > 52 ? top - 52 : 0;
  const Uint128 leading = value >> drop;  // at most 53 bits: exact in a double
  const Uint128 rest = value - (leading << drop);
  const int restDrop = drop > 53 ? drop - 53 : 0;
  head = std::ldexp(static_cast<double>(static_cast<std::uint64_t>(leading)), drop + scale);
  tail = std::ldexp(static_cast<double>(static_cast<std::uint64_t>(rest >> restDrop)),
                    restDrop + scale);
  const double sum = head + tail;
  tail -= sum - head;
  head = sum;
}

// For huge angles: x * 2/pi computed exactly enough with integers. x = m * 2^e with an integer m
// below 2^53; only the digits of 2/pi that can change the result modulo 4 take part.
ReducedAngle reduceLarge(double x) {
  const std::uint64_t bits = bitsOf(std::fabs(x));
  const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  const int e = exponentBits(x) - 1075;  // >= -32 here
  // Digit i of 2/pi (weight 2^-i) adds m * 2^(e-i): a multiple of 4 for i <= e - 2.
  const int first = e - 1 > 1 ? e - 1 : 1;
  // m times 192 digits of 2/pi from digit `first`, as four 64-bit limbs (least significant first).
  const std::uint64_t window[3] = {twoOverPiWindow(first + 127), twoOverPiWindow(first + 63),
                                   twoOverPiWindow(first - 1)};
  std::uint64_t product[4] = {};
  Uint128 carry = 0;
  for (int i = 0; i < 3; ++i) {
    const Uint128 partial = Uint128{m} * window[i] + carry;
    product[i] = static_cast<std::uint64_t>(partial);
    carry = partial >> 64;
  }
  product[3] = static_cast<std::uint64_t>(carry);
  // The product carries `point` digits after the binary point.
  const int point = 191 + first - e;
  auto bitsFrom = [&](int low) -> Uint128 {  // 128 bits of the product from bit `low` upwards
    Uint128 result = 0;
    for (int i = 3; i >= 0; --i) {
      const int limbLow = 64 * i;
      if (limbLow + 63 < low) break;
      const int offset = limbLow - low;
      const Uint128 limb = product[i];
      if (offset >= 0) {
        if (offset < 128) result |= limb << offset;
      } else if (offset > -64) {
        result |= limb >> -offset;
      }
    }
    return result;
  };
  int quadrant = static_cast<int>(bitsFrom(point) & 3);
  Uint128 fraction = bitsFrom(point - 128);  // fraction of a quarter turn, 128 bits
  bool negative = false;
  if (fraction >> 127) {  // past half a quarter turn: count from the next quarter, backwards
    ++quadrant;
    fraction = ~fraction + 1;
    negative = true;
  }
  // fraction * pi/2, the top 128 bits of the 256-bit product.
  const Uint128 mask64 = (Uint128{1} << 64) - 1;
  const Uint128 a1 = fraction >> 64, a0 = fraction & mask64;
  const Uint128 b1 = kPiOver2Fixed >> 64, b0 = kPiOver2Fixed & mask64;
  const Uint128 middle = (a0 * b0 >> 64) + (a1 * b0 & mask64) + (a0 * b1 & mask64);
  const Uint128 angle = a1 * b1 + (a1 * b0 >> 64) + (a0 * b1 >> 64) + (middle >> 64);
  double head = 0;
  double tail = 0;
  toDoubles(angle, -126, head, tail);  // angle is the reduced angle times 2^126
  if (negative != (x < 0)) {
    head = -head;
    tail = -tail;
  }
  if (x < 0) quadrant = -quadrant;
  return {quadrant & 3, head, tail};
}

}  // namespace

ReducedAngle reduceQuarterTurns(double x) {
  if (std::fabs(x) <= kMediumLimit) return reduceMedium(x);
  return reduceLarge(x);
}

}  // namespace gm::detail
