#include "GameLoop.h"

#include <windows.h>

#include <cstdint>

#include "RasterCanvas.h"
#include "ScaledWindow.h"
#include "SteadyTimer.h"
#include "game/GameScene.h"
#include "game/World.h"
#include "loop/PausableClock.h"
#include "shell/UpdateBridge.h"

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
  void present(const RasterCanvas& canvas) override { window_.present(canvas.pixels()); }

 private:
  ScaledWindow& window_;
  SteadyTimer timer_;
};

}  // namespace

void runGame(World& world, ScaledWindow& window, RasterCanvas& canvas, const LoopLogs& logs) {
  PausableClock clock(PausableClock::wallNowUs(), steadyNowUs());
  world.setClock(&clock);
  LoopGame game;
  game.update = [&] {
    world.windowfront = window.hasFocus();
    canvas.clear();  // every frame is drawn from a black field
    update(world, canvas);
  };
  game.over = [&] { return world.windowDestroyed(); };
  game.fightRunning = [&] { return currentScreen(world) == GameScreen::fight; };
  game.clock = &clock;
  WinLoopHost host(window);
  PausableLoop(host, canvas, game, logs).run();
  world.shutdown();
  world.setClock(nullptr);
}
