#include "LevelFrames.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

#include "RasterCanvas.h"
#include "controls/ControlSource.h"
#include "game/PlayField.h"
#include "game/World.h"
#include "graphics/DrawList.h"
#include "shell/Session.h"

namespace {

class FireHeld final : public ControlSource {
 public:
  bool keyHeld(Key key) const override { return key == Key::Z; }
  int joystickDeviceCount() const override { return 0; }
  std::optional<JoystickReading> readJoystick(int) const override { return std::nullopt; }
};

// A world at the first frame of the stretch.
class Fight {
 public:
  explicit Fight(const LevelStretch& stretch) {
    world_.rc = {0, 0, kFieldWidth, kFieldHeight};
    world_.windowfront = true;
    world_.invincible = true;
    world_.input.setSource(&controls_);
    World::makeCurrent(world_);
    if (stretch.level >= 5) {
      world_.UB->contgame();
    } else {
      world_.UB->newgame();
      while (world_.UB->get_nowlevel() < stretch.level) world_.UB->nextlevel();
    }
    if (stretch.prepare) stretch.prepare(world_);
    DrawList ignored;
    for (int frame = 1; frame < stretch.from; ++frame) {
      ignored.clear();
      frame_(ignored);
    }
  }

  void frame_(Canvas& canvas) { update(session_, canvas); }

 private:
  FireHeld controls_;
  Session session_;
  World& world_ = session_.world;
};

void reportFrameTimes(benchmark::State& state, std::vector<double>& nanoseconds) {
  if (nanoseconds.empty()) return;
  std::sort(nanoseconds.begin(), nanoseconds.end());
  const auto at = [&](double q) {
    return nanoseconds[static_cast<std::size_t>(q * static_cast<double>(nanoseconds.size() - 1))];
  };
  state.counters["median_ns"] = at(0.5);
  state.counters["p99_ns"] = at(0.99);
}

template <class Work>
double timed(Work&& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

void benchStretchUpdate(benchmark::State& state, const LevelStretch& stretch) {
  auto fight = std::make_unique<Fight>(stretch);
  DrawList discarded;
  std::vector<double> samples;
  int frame = stretch.from;
  for (auto _ : state) {
    if (frame == stretch.to) {
      state.PauseTiming();
      fight.reset();
      fight = std::make_unique<Fight>(stretch);
      frame = stretch.from;
      state.ResumeTiming();
    }
    discarded.clear();
    samples.push_back(timed([&] { fight->frame_(discarded); }));
    benchmark::DoNotOptimize(discarded.size());
    ++frame;
  }
  reportFrameTimes(state, samples);
}

void benchStretchDraw(benchmark::State& state, const LevelStretch& stretch) {
  Fight fight(stretch);
  std::vector<DrawList> frames(static_cast<std::size_t>(stretch.to - stretch.from));
  for (DrawList& frame : frames) fight.frame_(frame);
  RasterCanvas canvas(kFieldWidth, kFieldHeight);
  std::vector<double> samples;
  std::size_t next = 0;
  for (auto _ : state) {
    const DrawList& frame = frames[next];
    next = (next + 1) % frames.size();
    samples.push_back(timed([&] {
      canvas.clear();
      frame.replay(canvas);
    }));
    benchmark::DoNotOptimize(canvas.pixels());
    benchmark::ClobberMemory();
  }
  reportFrameTimes(state, samples);
}
