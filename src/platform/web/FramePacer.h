#pragma once

#include <cstdint>
#include <optional>

// The game's beat in a browser. The page is drawn at the display's rate (60, 120, 144 Hz), but
// the game runs one update per 10 ms of wall time: every displayed frame runs the updates that
// came due since the last one. After a stall (a busy machine, a tab the browser stopped drawing)
// at most kMaxStepsPerFrame are run and the rest dropped, so the game goes on at its normal pace
// instead of racing through the missed time.
class FramePacer {
 public:
  static constexpr double kStepMs = 10.0;
  static constexpr int kMaxStepsPerFrame = 4;

  // A frame is displayed at `nowMs` (milliseconds on a monotonic clock); how many updates to run
  // for it. The first frame runs one.
  int stepsDue(double nowMs);

  // Updates dropped after stalls so far.
  std::int64_t droppedSteps() const { return dropped_; }

 private:
  std::optional<double> last_;
  double owedMs_ = 0.0;
  std::int64_t dropped_ = 0;
};
