// gm::sin, gm::cos and gm::atan2 against the C library: within one unit in the last place over the
// game's angles, large angles, angles next to multiples of pi/2, tiny ones, and every special
// value.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "UlpDistance.h"
#include "math/GameMath.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The Windows C library's sin and cos lose accuracy next to their zeros (its reduction carries too
// few digits of pi), so they are no yardstick. There the sin and cos comparisons are skipped: the
// GameMathPlatform test shows that the Windows build computes the Linux build's bits, and these
// comparisons hold on Linux.
#ifdef _WIN32
#define SKIP_WITHOUT_EXACT_LIBRARY_SIN() \
  GTEST_SKIP() << "the C library's sin and cos are inexact here"
#else
#define SKIP_WITHOUT_EXACT_LIBRARY_SIN() static_cast<void>(0)
#endif

struct Worst {
  std::uint64_t ulps = 0;
  double at = 0;
  void see(std::uint64_t u, double x) {
    if (u > ulps) {
      ulps = u;
      at = x;
    }
  }
};

void expectSinCosWithinOneUlp(const std::vector<double>& angles) {
  Worst sinWorst;
  Worst cosWorst;
  for (double x : angles) {
    sinWorst.see(ulpDistance(gm::sin(x), std::sin(x)), x);
    cosWorst.see(ulpDistance(gm::cos(x), std::cos(x)), x);
  }
  EXPECT_LE(sinWorst.ulps, 1u) << "sin at " << sinWorst.at;
  EXPECT_LE(cosWorst.ulps, 1u) << "cos at " << cosWorst.at;
}

std::vector<double> uniform(std::uint64_t seed, double low, double high, int count) {
  SampleStream stream(seed);
  std::vector<double> values;
  for (int i = 0; i < count; ++i) values.push_back(stream.next(low, high));
  return values;
}

TEST(GameMathAccuracy, SinCosOverTheGamesAngles) {
  SKIP_WITHOUT_EXACT_LIBRARY_SIN();
  expectSinCosWithinOneUlp(uniform(1, -20.0, 20.0, 300'000));
  expectSinCosWithinOneUlp(uniform(2, -1e4, 1e4, 100'000));
}

TEST(GameMathAccuracy, SinCosOfLargeAngles) {
  SKIP_WITHOUT_EXACT_LIBRARY_SIN();
  // Across the switch from the three-step reduction to the long one, and far beyond.
  expectSinCosWithinOneUlp(uniform(3, 1.6e6, 1.7e6, 50'000));
  std::vector<double> huge;
  SampleStream stream(4);
  for (int i = 0; i < 50'000; ++i) huge.push_back(std::ldexp(stream.next(1.0, 2.0), i % 1000 + 21));
  expectSinCosWithinOneUlp(huge);
}

TEST(GameMathAccuracy, SinCosNextToMultiplesOfHalfPi) {
  SKIP_WITHOUT_EXACT_LIBRARY_SIN();
  // Where x - n pi/2 cancels most leading bits and the reduction must carry the lost ones.
  std::vector<double> angles;
  for (int n = 1; n < 200'000; n += 7) {
    const double near = n * 1.5707963267948966;
    angles.insert(angles.end(), {near, std::nextafter(near, 0.0), std::nextafter(near, kInf)});
  }
  expectSinCosWithinOneUlp(angles);
}

TEST(GameMathAccuracy, SinCosOfTinyAngles) {
  SKIP_WITHOUT_EXACT_LIBRARY_SIN();
  expectSinCosWithinOneUlp(uniform(5, -1e-6, 1e-6, 20'000));
  expectSinCosWithinOneUlp({0.0, -0.0, 4.9e-324, -4.9e-324, 2.2250738585072014e-308, 1e-9,
                            0.7853981633974483, -0.7853981633974483, 0.78539816339744839});
}

TEST(GameMathAccuracy, SinCosOfZerosInfinitiesAndNaN) {
  EXPECT_EQ(gm::sin(0.0), 0.0);
  EXPECT_TRUE(std::signbit(gm::sin(-0.0)));
  EXPECT_EQ(gm::cos(-0.0), 1.0);
  for (double x : {kInf, -kInf, kNaN}) {
    EXPECT_TRUE(std::isnan(gm::sin(x)));
    EXPECT_TRUE(std::isnan(gm::cos(x)));
  }
}

TEST(GameMathAccuracy, HugeAnglesKeepTheirIdentities) {
  // Checks that need no C library: sin(1e22) is known to many digits, and sin^2 + cos^2 = 1.
  EXPECT_LE(ulpDistance(gm::sin(1e22), -0.8522008497671888), 1u);
  SampleStream stream(6);
  for (int i = 0; i < 20'000; ++i) {
    const double x = std::ldexp(stream.next(1.0, 2.0), i % 1000 + 21);
    const double s = gm::sin(x);
    const double c = gm::cos(x);
    ASSERT_NEAR(s * s + c * c, 1.0, 4e-16) << x;
    ASSERT_LE(ulpDistance(gm::sin(-x), -s), 0u) << x;  // odd
    ASSERT_LE(ulpDistance(gm::cos(-x), c), 0u) << x;   // even
  }
}

TEST(GameMathAccuracy, Atan2InEveryQuadrant) {
  SampleStream stream(7);
  Worst worst;
  double worstY = 0;
  for (int i = 0; i < 400'000; ++i) {
    const double scale = std::ldexp(1.0, static_cast<int>(stream.next(-30, 30)));
    const double y = stream.next(-800.0, 800.0) * scale;
    const double x = stream.next(-800.0, 800.0);
    const std::uint64_t u = ulpDistance(gm::atan2(y, x), std::atan2(y, x));
    if (u > worst.ulps) worstY = y;
    worst.see(u, x);
  }
  EXPECT_LE(worst.ulps, 1u) << "atan2(" << worstY << ", " << worst.at << ")";
}

TEST(GameMathAccuracy, Atan2OfAxesZerosAndInfinitiesMatchesTheLibraryExactly) {
  const std::vector<double> values = {0.0, -0.0, 1.0, -1.0, 1e-310, -1e300, kInf, -kInf, 3.0};
  for (double y : values) {
    for (double x : values) {
      EXPECT_EQ(ulpDistance(gm::atan2(y, x), std::atan2(y, x)), 0u) << y << ", " << x;
      EXPECT_EQ(std::signbit(gm::atan2(y, x)), std::signbit(std::atan2(y, x))) << y << ", " << x;
    }
  }
  EXPECT_TRUE(std::isnan(gm::atan2(kNaN, 1.0)));
  EXPECT_TRUE(std::isnan(gm::atan2(1.0, kNaN)));
}

TEST(GameMathAccuracy, Atan2OfExtremeRatios) {
  for (double y : {1e-300, 1e300, -1e-300, -1e300, 5e-324}) {
    for (double x : {1e-300, 1e300, -1e-300, -1e300, -5e-324, 5e-324}) {
      EXPECT_LE(ulpDistance(gm::atan2(y, x), std::atan2(y, x)), 1u) << y << ", " << x;
    }
  }
}

}  // namespace
