#pragma once

#include <cstdint>
#include <ctime>

// Wall-clock seconds since 1970, used only for the level's bonus time and the highscore dates.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::int64_t now() const = 0;
};

class SystemClock final : public Clock {
 public:
  std::int64_t now() const override { return static_cast<std::int64_t>(std::time(nullptr)); }
};

// A clock driven by the frame count, for replays and tests: start + frame / 100 seconds.
class VirtualClock final : public Clock {
 public:
  explicit VirtualClock(std::int64_t startSeconds = 1'700'000'000) : start_(startSeconds) {}
  void setFrame(std::int64_t frame) { frame_ = frame; }
  std::int64_t frame() const { return frame_; }
  std::int64_t now() const override { return start_ + frame_ / 100; }

 private:
  std::int64_t start_;
  std::int64_t frame_ = 0;
};
