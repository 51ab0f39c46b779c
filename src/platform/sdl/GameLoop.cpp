#include "GameLoop.h"

#include <SDL.h>

#include <cstdint>
#include <cstdio>

#include "GameWindow.h"
#include "LoopEvents.h"
#include "PlayLoop.h"
#include "RasterCanvas.h"
#include "SleepUntil.h"
#include "replay/ReplayPlayer.h"

namespace {

// The SDL window as the loop's host: SDL's events, the steady sleep, the texture present.
class SdlLoopHost final : public LoopHost {
 public:
  SdlLoopHost(GameWindow& window, SdlControlSource* controls, bool escapeCloses,
              const LoopOptions& options)
      : window_(window),
        controls_(controls),
        escapeCloses_(escapeCloses),
        bindings_(options.bindings ? *options.bindings : defaultBindings()) {}

  std::int64_t nowUs() override { return steadyNowUs(); }
  void waitUntilUs(std::int64_t dueUs) override { sleepUntil(dueUs); }
  void waitForEvents(int milliseconds) override { SDL_WaitEventTimeout(nullptr, milliseconds); }
  LoopRequests handleEvents() override {
    return ::handleEvents(window_, controls_, escapeCloses_, bindings_);
  }
  bool hasFocus() override { return window_.hasFocus(); }
  void present(const RasterCanvas& canvas) override { window_.present(canvas.pixels()); }

 private:
  GameWindow& window_;
  SdlControlSource* controls_;
  bool escapeCloses_;
  const SdlBindings& bindings_;

  static const SdlBindings& defaultBindings() {
    static const SdlBindings bindings = sdlBindings(Settings::Controls{}, Settings::Gamepad{});
    return bindings;
  }
};

// With vsync every present runs the updates due since the last; without, one update per present.
int maxStepsPerPresent(const LoopOptions& options) {
  return options.vsync ? FixedStep::kMaxStepsPerPresent : 1;
}

}  // namespace

void runFrames(Session& session, GameWindow& window, RasterCanvas& canvas,
               const LoopOptions& options, SdlControlSource* controls, SoundOutput* sound,
               const std::string& notice) {
  SdlLoopHost host(window, controls, false, options);
  playInLoop(session, host, canvas, options.logs, sound, maxStepsPerPresent(options), notice);
}

bool runReplay(Session& session, GameWindow& window, RasterCanvas& canvas, ReplayPlayer& player,
               const LoopOptions& options, SoundOutput* sound) {
  SdlLoopHost host(window, nullptr, true, options);
  replayInLoop(session, player, host, canvas, options.logs, sound, maxStepsPerPresent(options));
  if (!player.desync()) return true;
  std::fprintf(stderr, "kelvaron: the replay played back differently: %s\n",
               player.desync()->describe().c_str());
  return false;
}
