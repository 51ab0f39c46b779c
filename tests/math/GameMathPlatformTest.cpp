// The point of gm: the Linux and the Windows build compute the same bits. Both run this test, and
// both must arrive at the same fingerprint of a large, fixed set of results.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

#include "UlpDistance.h"
#include "math/GameMath.h"

namespace {

// FNV-1a over the bits of every result.
class Fingerprint {
 public:
  void add(double d) {
    auto bits = std::bit_cast<std::uint64_t>(d);
    for (int i = 0; i < 8; ++i, bits >>= 8) {
      hash_ ^= bits & 0xFF;
      hash_ *= 0x100000001B3ULL;
    }
  }
  std::uint64_t value() const { return hash_; }

 private:
  std::uint64_t hash_ = 0xCBF29CE484222325ULL;
};

TEST(GameMathPlatform, ResultsAreTheSameBitsOnEveryPlatform) {
  Fingerprint fingerprint;
  SampleStream stream(42);
  for (int i = 0; i < 100'000; ++i) {
    const double x = stream.next(-50.0, 50.0);
    const double y = stream.next(-600.0, 600.0);
    fingerprint.add(gm::sin(x));
    fingerprint.add(gm::cos(x));
    fingerprint.add(gm::atan2(y, x));
    fingerprint.add(gm::sqrt(y * y + x * x));
  }
  for (int e = 20; e < 1000; e += 3) fingerprint.add(gm::sin(std::ldexp(1.2345, e)));
  EXPECT_EQ(fingerprint.value(), 0x372069F2E32BB8DCULL) << std::hex << fingerprint.value();
}

}  // namespace
