#pragma once

#include <cstdint>
#include <optional>

// The game's beat on any display: one update per 10 ms of a steady clock, however often and however
// slowly the picture is shown. At each present the program runs the updates that came due since the
// last one. After a stall (a slow present, a busy machine, a stopped process) at most
// `maxStepsPerPresent` run and the rest of the owed time is dropped and counted, so the game goes
// on at its normal pace instead of racing through the missed time.
class FixedStep {
 public:
  static constexpr std::int64_t kStepUs = 10'000;
  // Enough to keep 100 updates a second while one present takes 40 ms.
  static constexpr int kMaxStepsPerPresent = 5;

  explicit FixedStep(int maxStepsPerPresent = kMaxStepsPerPresent)
      : maxSteps_(maxStepsPerPresent) {}

  // How many updates to run before the present at `nowUs` (microseconds on a steady clock). The
  // first call, and the first after restart(), runs one at once. A reading earlier than the last
  // counts as no time passed, so no time is counted twice.
  int stepsDue(std::int64_t nowUs);

  // When the next update comes due, on the clock given to stepsDue (which must have been called).
  std::int64_t nextDueUs() const { return last_.value_or(0) + kStepUs - owedUs_; }

  // Starts the beat afresh after a pause: the time since the last call is not owed.
  void restart();

  // Updates dropped after stalls so far; each stands for 10 ms of time not played.
  std::int64_t droppedSteps() const { return dropped_; }

 private:
  int maxSteps_;
  std::optional<std::int64_t> last_;
  std::int64_t owedUs_ = 0;
  std::int64_t dropped_ = 0;
};
