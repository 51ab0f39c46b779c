#include "timing/FixedStep.h"

int FixedStep::stepsDue(std::int64_t nowUs) {
  if (!last_) {
    last_ = nowUs;
    return 1;
  }
  if (nowUs <= *last_) return 0;
  owedUs_ += nowUs - *last_;
  last_ = nowUs;
  const std::int64_t due = owedUs_ / kStepUs;
  owedUs_ -= due * kStepUs;  // the part of a step not yet owed keeps the beat's phase
  if (due <= maxSteps_) return static_cast<int>(due);
  dropped_ += due - maxSteps_;
  return maxSteps_;
}

void FixedStep::restart() {
  last_.reset();
  owedUs_ = 0;
}
