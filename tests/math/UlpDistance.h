#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

// How many representable doubles lie between a and b (0 when equal, 1 for neighbours).
inline std::uint64_t ulpDistance(double a, double b) {
  if (std::isnan(a) || std::isnan(b)) {
    return std::isnan(a) && std::isnan(b) ? 0 : std::numeric_limits<std::uint64_t>::max();
  }
  auto ordered = [](double d) {
    const auto bits = std::bit_cast<std::int64_t>(d);
    return bits < 0 ? std::numeric_limits<std::int64_t>::min() - bits : bits;
  };
  const std::int64_t ia = ordered(a);
  const std::int64_t ib = ordered(b);
  return ia > ib ? static_cast<std::uint64_t>(ia) - static_cast<std::uint64_t>(ib)
                 : static_cast<std::uint64_t>(ib) - static_cast<std::uint64_t>(ia);
}

// A fixed stream of pseudo-random doubles in [low, high), the same on every platform.
class SampleStream {
 public:
  explicit SampleStream(std::uint64_t seed) : state_(seed) {}
  double next(double low, double high) {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    const double unit = static_cast<double>(state_ >> 11) * 0x1.0p-53;
    return low + (high - low) * unit;
  }

 private:
  std::uint64_t state_;
};
