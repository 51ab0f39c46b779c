#include "GameLoop.h"

#include <windows.h>

#include <cstdint>

#include "PlayLoop.h"
#include "RasterCanvas.h"
#include "ScaledWindow.h"
#include "SteadyTimer.h"

namespace {

// The Windows window as the loop's host: its messages, the high-resolution waitable timer and one
// StretchDIBits per present.
class WinLoopHost final : public LoopHost {
 public:
  explicit WinLoopHost(ScaledWindow& window) : window_(window) {}

  std::int64_t nowUs() override { return steadyNowUs(); }
  void waitUntilUs(std::int64_t dueUs) override { timer_.waitUntil(dueUs); }
  void waitForEvents(int milliseconds) override {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(milliseconds), QS_ALLINPUT);
  }
  LoopRequests handleEvents() override { return window_.handleMessages(); }
  bool hasFocus() override { return window_.hasFocus(); }
  void present(const RasterCanvas& canvas) override { window_.present(canvas.pixels()); }

 private:
  ScaledWindow& window_;
  SteadyTimer timer_;
};

}  // namespace

void runGame(Session& session, ScaledWindow& window, RasterCanvas& canvas, const LoopLogs& logs,
             SoundOutput& sound, const std::string& notice) {
  WinLoopHost host(window);
  playInLoop(session, host, canvas, logs, &sound, FixedStep::kMaxStepsPerPresent, notice);
}
