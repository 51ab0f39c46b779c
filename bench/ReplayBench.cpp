// What recording a replay costs a frame: the recorder's own work, and a whole level-1 frame with
// and without it.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "game/PlayField.h"
#include "game/World.h"
#include "graphics/DrawList.h"
#include "shell/Session.h"

namespace {

// The fire button held throughout; left and right changing every frame, so that every frame starts
// a new control run: the recorder's worst case.
class Restless final : public ControlSource {
 public:
  bool keyHeld(Key key) const override {
    if (key == Key::Z) return true;
    if (key == Key::Left) return (frame % 2) == 0;
    if (key == Key::Right) return (frame % 2) == 1;
    return false;
  }
  int joystickDeviceCount() const override { return 0; }
  std::optional<JoystickReading> readJoystick(int) const override { return std::nullopt; }
  long frame = 0;
};

struct RecordedGame {
  explicit RecordedGame(bool record) {
    world.rc = {0, 0, kFieldWidth, kFieldHeight};
    world.windowfront = true;
    world.invincible = true;
    world.input.setSource(&controls);
    world.recordReplays = record;
    world.highscoreFile = std::filesystem::temp_directory_path() / "kelvaron-bench-highscores.csv";
    World::makeCurrent(world);
    world.UB->newgame();
  }
  Restless controls;
  Session session;
  World& world = session.world;
};

// The recorder around one frame, with the two controls the frame reads changing: noting the
// answers, a new run, a checkpoint every 100 frames.
void BM_RecorderFrame(benchmark::State& state) {
  RecordedGame game(true);
  for (auto _ : state) {
    ++game.controls.frame;
    game.session.recorder.frameBegins(game.world);
    benchmark::DoNotOptimize(game.world.input.left());
    benchmark::DoNotOptimize(game.world.input.right());
    game.session.recorder.frameEnds(game.world);
  }
  benchmark::DoNotOptimize(game.session.recorder.recording());
}
BENCHMARK(BM_RecorderFrame);

// Level-1 game frames from the set-up on, recorded or not.
void BM_LevelOneFrame(benchmark::State& state) {
  RecordedGame game(state.range(0) != 0);
  DrawList canvas;
  for (auto _ : state) {
    ++game.controls.frame;
    canvas.clear();
    update(game.session, canvas);
  }
}
BENCHMARK(BM_LevelOneFrame)->Arg(0)->Arg(1)->ArgName("recorded");

}  // namespace
