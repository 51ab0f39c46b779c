#pragma once

#include <cstdint>

// The game's one source of chance: the sequence of the Microsoft C runtime's rand(), seeded with 1
// and never reseeded, so that every run of the game draws the same numbers in the same order on
// every platform. Results lie in 0..32767.
class Random {
 public:
  int rand() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFFu);
  }

  // The generator's whole state: 1 at program start, then the last value computed.
  std::uint32_t state() const { return state_; }
  // Puts the generator back to a state it had, for playing a recorded game.
  void restore(std::uint32_t state) { state_ = state; }

 private:
  std::uint32_t state_ = 1;
};
