#include "GameLoop.h"

#include <windows.h>

#include <cstdint>

#include "PlayLoop.h"
#include "RasterCanvas.h"
#include "ScaledWindow.h"
#include "SteadyTimer.h"
#include "WaveOutSound.h"

namespace {

// The Windows window as the loop's host: its messages, the high-resolution waitable timer and one
// StretchDIBits per present.
class WinLoopHost final : public LoopHost {
 public:
  WinLoopHost(ScaledWindow& window, WaveOutSound& sound) : window_(window), sound_(sound) {}

  std::int64_t nowUs() override { return steadyNowUs(); }
  void waitUntilUs(std::int64_t dueUs) override { timer_.waitUntil(dueUs); }
  void waitForEvents(int milliseconds) override {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(milliseconds), QS_ALLINPUT);
  }
  LoopRequests handleEvents() override {
    const LoopRequests requests = window_.handleMessages();
    if (requests.toggleSound) sound_.toggle();
    return requests;
  }
  bool hasFocus() override { return window_.hasFocus(); }
  void present(const RasterCanvas& canvas) override { window_.present(canvas.pixels()); }
  void afterUpdate(const World& world, RasterCanvas& canvas) override {
    sound_.frame(world, canvas);
  }

 private:
  ScaledWindow& window_;
  WaveOutSound& sound_;
  SteadyTimer timer_;
};

}  // namespace

void runGame(Session& session, ScaledWindow& window, RasterCanvas& canvas, const LoopLogs& logs,
             WaveOutSound& sound) {
  WinLoopHost host(window, sound);
  playInLoop(session, host, canvas, logs);
}
