// gm::sin, gm::cos and gm::atan2: within one unit in the last place of the C library over angles of
// every size, next to multiples of pi/2 and at every special value; and the same bits from the
// Linux and the Windows build.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <tuple>
#include <utility>
#include <vector>

#include "math/GameMath.h"

namespace {

// How many representable doubles lie between a and b (0 when equal, 1 for neighbours).
std::uint64_t ulpDistance(double a, double b) {
  if (std::isnan(a) || std::isnan(b)) {
    return std::isnan(a) && std::isnan(b) ? 0 : std::numeric_limits<std::uint64_t>::max();
  }
  // The doubles in order as unsigned integers, negatives below 2^63, both zeros at 2^63.
  const auto ordered = [](double d) {
    const auto bits = std::bit_cast<std::uint64_t>(d);
    return bits >> 63 ? (std::uint64_t{1} << 63) - (bits << 1 >> 1)
                      : bits + (std::uint64_t{1} << 63);
  };
  return ordered(a) > ordered(b) ? ordered(a) - ordered(b) : ordered(b) - ordered(a);
}

// A fixed stream of pseudo-random doubles in [low, high), the same on every platform.
class SampleStream {
 public:
  explicit SampleStream(std::uint64_t seed) : state_(seed) {}
  double next(double low, double high) {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    return low + (high - low) * (static_cast<double>(state_ >> 11) * 0x1.0p-53);
  }

 private:
  std::uint64_t state_;
};

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Special values, then a fixed stream over each range the game or the reduction cares about.
std::vector<double> sinCosProbes() {
  std::vector<double> xs = {
      0.0,  -0.0, 4.9e-324,           -4.9e-324,           2.2250738585072014e-308,
      1e-9, 1e22, 0.7853981633974483, -0.7853981633974483, 0.78539816339744839};
  SampleStream stream(1);
  const auto uniform = [&](double low, double high, int count) {
    for (int i = 0; i < count; ++i) xs.push_back(stream.next(low, high));
  };
  uniform(-20.0, 20.0, 300'000);  // the game's angles
  uniform(-1e4, 1e4, 100'000);
  uniform(1.6e6, 1.7e6, 50'000);  // across the switch from the three-step reduction to the long one
  uniform(-1e-6, 1e-6, 20'000);
  for (int i = 0; i < 50'000; ++i) xs.push_back(std::ldexp(stream.next(1.0, 2.0), i % 1000 + 21));
  // Where x - n pi/2 cancels most leading bits and the reduction must carry the lost ones.
  for (int n = 1; n < 200'000; n += 7) {
    const double near = n * 1.5707963267948966;
    xs.insert(xs.end(), {near, std::nextafter(near, 0.0), std::nextafter(near, kInf)});
  }
  return xs;
}

TEST(GameMathAccuracy, SinCosWithinOneUlpOfTheLibrary) {
#ifdef _WIN32
  // The Windows C library's sin and cos lose accuracy next to their zeros, so they are no
  // yardstick; GameMathPlatform shows that this build computes the Linux build's bits.
  GTEST_SKIP() << "the C library's sin and cos are inexact here";
#endif
  std::pair<std::uint64_t, double> sinWorst{}, cosWorst{};  // the largest distance and where
  for (double x : sinCosProbes()) {
    sinWorst = std::max(sinWorst, std::pair(ulpDistance(gm::sin(x), std::sin(x)), x));
    cosWorst = std::max(cosWorst, std::pair(ulpDistance(gm::cos(x), std::cos(x)), x));
  }
  EXPECT_LE(sinWorst.first, 1u) << "sin at " << sinWorst.second;
  EXPECT_LE(cosWorst.first, 1u) << "cos at " << cosWorst.second;
}

TEST(GameMathAccuracy, SinCosOfZerosInfinitiesAndNaN) {
  EXPECT_TRUE(std::signbit(gm::sin(-0.0)) && !std::signbit(gm::sin(0.0)));
  EXPECT_EQ(gm::cos(-0.0), 1.0);
  EXPECT_LE(ulpDistance(gm::sin(1e22), -0.8522008497671888), 1u);  // known to many digits
  for (double x : {kInf, -kInf, kNaN})
    EXPECT_TRUE(std::isnan(gm::sin(x)) && std::isnan(gm::cos(x)));
}

TEST(GameMathAccuracy, Atan2WithinOneUlpInEveryQuadrant) {
  SampleStream stream(7);
  std::tuple<std::uint64_t, double, double> worst{};
  for (int i = 0; i < 400'000; ++i) {
    const double scale = std::ldexp(1.0, static_cast<int>(stream.next(-30, 30)));
    const double y = stream.next(-800.0, 800.0) * scale;
    const double x = stream.next(-800.0, 800.0);
    worst = std::max(worst, std::tuple(ulpDistance(gm::atan2(y, x), std::atan2(y, x)), y, x));
  }
  const auto [ulps, y, x] = worst;
  EXPECT_LE(ulps, 1u) << "atan2(" << y << ", " << x << ")";
}

TEST(GameMathAccuracy, Atan2OfZerosInfinitiesAndExtremeRatios) {
  // Exact, to the sign of zero, where an argument is zero, infinite or NaN; within one ulp of the
  // library elsewhere.
  const double values[] = {0.0,    -0.0,    1.0,   -1.0,   3.0,  5e-324, -5e-324, 1e-310,
                           1e-300, -1e-300, 1e300, -1e300, kInf, -kInf,  kNaN};
  for (double y : values) {
    for (double x : values) {
      const double got = gm::atan2(y, x);
      const double want = std::atan2(y, x);
      const bool exact = y == 0 || x == 0 || !std::isfinite(y) || !std::isfinite(x);
      EXPECT_LE(ulpDistance(got, want), exact ? 0u : 1u) << y << ", " << x;
      EXPECT_TRUE(std::isnan(want) || std::signbit(got) == std::signbit(want)) << y << ", " << x;
    }
  }
}

// The point of gm: both builds run this test and must arrive at the same fingerprint of a large,
// fixed set of results.
TEST(GameMathPlatform, ResultsAreTheSameBitsOnEveryPlatform) {
  std::uint64_t hash = 0xCBF29CE484222325ULL;  // FNV-1a over the bits of every result
  const auto add = [&](double d) {
    auto bits = std::bit_cast<std::uint64_t>(d);
    for (int i = 0; i < 8; ++i, bits >>= 8) hash = (hash ^ (bits & 0xFF)) * 0x100000001B3ULL;
  };
  SampleStream stream(42);
  for (int i = 0; i < 100'000; ++i) {
    const double x = stream.next(-50.0, 50.0);
    const double y = stream.next(-600.0, 600.0);
    add(gm::sin(x));
    add(gm::cos(x));
    add(gm::atan2(y, x));
    add(gm::sqrt(y * y + x * x));
  }
  for (int e = 20; e < 1000; e += 3) {
    add(gm::sin(std::ldexp(1.2345, e)));
    add(gm::cos(std::ldexp(1.2345, e)));
  }
  EXPECT_EQ(hash, 0x206E56931109B29FULL) << std::hex << hash;
}

}  // namespace
