#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "RasterCanvas.h"
#include "effects/BlastSprite.h"
#include "game/PlayField.h"
#include "game/World.h"
#include "graphics/DrawList.h"
#include "player/PlayerSprite.h"
#include "shell/Session.h"
#include "weapons/AcceleratingShots.h"
#include "weapons/EnemyLaserSprite.h"
#include "weapons/OrbitingShot.h"
#include "weapons/Pulses.h"
#include "weapons/StraightLasers.h"
#include "weapons/Tracers.h"

namespace {

constexpr int kFramesPerBattle = 200;

// Level 1 at its busiest: the boss down to its last life point and firing at its fastest, the
// ship firing, and a screenful of every kind of enemy shot with the tracers' trails, blasts and
// player shots.
class Battle {
 public:
  Battle() {
    world_.rc = {0, 0, kFieldWidth, kFieldHeight};
    world_.windowfront = true;
    world_.invincible = true;
    World::makeCurrent(world_);
    world_.UB->newgame();
    world_.es->damage(world_.es->get_life() - 1);
    for (int i = 0; i < 100; ++i) settle(i);
    populate();
  }

  World& world() { return world_; }

  // One game frame.
  void frame(Canvas& canvas) { update(session_, canvas); }

 private:
  void settle(int) {
    DrawList ignored;
    update(session_, ignored);
  }

  void add(SpriteList& list, MySprite* sprite) { list.push_last(sprite); }

  // Twenty of each enemy shot kind spread over the upper field, drifting slowly so they stay in
  // play for the whole battle; player shots and blasts beside them.
  void populate() {
    for (int i = 0; i < 20; ++i) {
      const double x = 30 + 36.0 * i;
      const double y = 40 + 12.0 * i;
      add(world_.esl, new EnemyLLSprite(x, y, 0.2, 0.5));
      add(world_.esl, new SmallLaserSprite(x + 5, y, 0.1, 0.4, 5, SmallLaserSprite::yellow));
      add(world_.esl, new SmallLaserSprite(x + 9, y, -0.1, 0.4, 5, SmallLaserSprite::white));
      add(world_.esl, new EnemyLaserSprite(x, y + 30, -0.2, 0.5));
      add(world_.esl, new RedRapidLaserSprite(x, y + 60, 0.3));
      add(world_.esl, new BSTLaserSprite(x, y + 90, 0.5, 0.5, 0.0, 0.0));
      add(world_.esl, new PWLaserSprite(x, y + 120));
      add(world_.esl, new EnemyLTLSprite(x, y + 150, 0.0, 0.3, 0.0, 0.0));
      add(world_.esl, new WhiteTracerSprite(x, y + 170, 0.1, 0.4));
      add(world_.esl, new PHSTracerSprite(x, y + 180, 0.5, 1.0));
      add(world_.esl, new YSPulseSprite(x, y + 190, 0.3, 0.6));
      add(world_.esl, new CH7Sprite(0.3 * i));
      add(world_.psl, new PlayerLaserSprite(x, 500, 0.0, -0.5));
      add(world_.osl, new BlastSprite(x, y + 200, 30));
    }
  }

  Session session_;
  World& world_ = session_.world;
};

void BM_Level1BusiestUpdate(benchmark::State& state) {
  auto battle = std::make_unique<Battle>();
  DrawList discarded;
  int frames = 0;
  for (auto _ : state) {
    if (++frames % kFramesPerBattle == 0) {
      state.PauseTiming();
      battle = std::make_unique<Battle>();
      state.ResumeTiming();
    }
    discarded.clear();
    battle->frame(discarded);
    benchmark::DoNotOptimize(discarded.size());
  }
  state.counters["sprites"] =
      static_cast<double>(battle->world().esl.get_count() + battle->world().psl.get_count() +
                          battle->world().osl.get_count());
}
BENCHMARK(BM_Level1BusiestUpdate)->Unit(benchmark::kMicrosecond);

void BM_Level1BusiestDraw(benchmark::State& state) {
  Battle battle;
  DrawList frame;
  battle.frame(frame);
  RasterCanvas canvas(kFieldWidth, kFieldHeight);
  for (auto _ : state) {
    canvas.clear();
    frame.replay(canvas);
    benchmark::DoNotOptimize(canvas.pixels());
    benchmark::ClobberMemory();
  }
  state.counters["draw_calls"] = static_cast<double>(frame.size());
}
BENCHMARK(BM_Level1BusiestDraw)->Unit(benchmark::kMicrosecond);

}  // namespace
