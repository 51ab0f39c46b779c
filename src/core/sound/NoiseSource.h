#pragma once

#include <cstdint>

// The synthesizer's own chance, for noise: a 32-bit xorshift with a fixed seed. It is never the
// game's generator, so sound can draw as much as it likes without moving the game's sequence.
class NoiseSource {
 public:
  // -1 to 1.
  float next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<float>(state_) / 2147483648.0f - 1.0f;
  }

 private:
  std::uint32_t state_ = 0x6B656C76u;
};
