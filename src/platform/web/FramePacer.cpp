#include "FramePacer.h"

#include <cmath>

int FramePacer::stepsDue(double nowMs) {
  if (!last_) {
    last_ = nowMs;
    return 1;
  }
  // A clock that went back (it should not) counts as no time passed.
  if (nowMs > *last_) owedMs_ += nowMs - *last_;
  last_ = nowMs;
  const double due = std::floor(owedMs_ / kStepMs);
  owedMs_ -= due * kStepMs;
  if (due <= kMaxStepsPerFrame) return static_cast<int>(due);
  dropped_ += static_cast<std::int64_t>(due) - kMaxStepsPerFrame;
  return kMaxStepsPerFrame;
}
