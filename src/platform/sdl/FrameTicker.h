#pragma once

#include <chrono>
#include <cstdint>

// The game's beat: one frame every 10 ms on the monotonic clock. Ticks keep their phase through
// small delays, so the rate does not drift; after a stall of a whole tick or more (the process was
// stopped, a frame ran long) the missed ticks are dropped and the beat restarts from the late
// frame, so the game goes on at its normal pace instead of racing through a burst of catch-up
// frames.
class FrameTicker {
 public:
  using Clock = std::chrono::steady_clock;
  static constexpr Clock::duration kPeriod = std::chrono::milliseconds(10);

  explicit FrameTicker(Clock::time_point firstTick) : due_(firstTick) {}

  // When the next frame should start.
  Clock::time_point due() const { return due_; }

  // A frame starts at `now`; schedules the one after it.
  void frameStarted(Clock::time_point now);

  // Ticks dropped after stalls so far.
  std::int64_t skippedTicks() const { return skipped_; }

 private:
  Clock::time_point due_;
  std::int64_t skipped_ = 0;
};

// Sleeps until `deadline`: the bulk in the kernel, the last fraction of a millisecond by yielding,
// since a plain sleep tends to overshoot by about that much.
void sleepUntil(FrameTicker::Clock::time_point deadline);
