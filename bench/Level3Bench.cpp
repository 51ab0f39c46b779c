#include <algorithm>
#include <memory>
#include <vector>

#include "LevelFrames.h"
#include "bosses/Enemy7.h"
#include "game/World.h"

namespace {

// The triangle emptied and run through its transition by itself, so that the stretch's first frame
// is the wheel's first; its life raised so that the ship's fire cannot end the fight first.
void startAtTheWheel(World& world) {
  auto& boss = static_cast<Enemy7Sprite&>(*world.es);
  boss.damage(boss.get_life());
  while (boss.get_state() != &Enemy7Sprite::updatenormal) {
    boss.update();
    for (MySprite* effect = nullptr; world.addosprites.pop(effect);) delete effect;
  }
  boss.damage(-100000);
}

// The wheel run by itself through its spoke phase as well: the stretch starts with the tour.
void startAtTheTour(World& world) {
  startAtTheWheel(world);
  auto& boss = static_cast<Enemy7Sprite&>(*world.es);
  while (boss.get_normalstate() != &Enemy7Sprite::updatenormal2) {
    boss.update();
    for (MySprite* shot = nullptr; world.addesprites.pop(shot);) delete shot;
  }
}

// The spoke phase's second cycle: the blades open shedding 42 bolts every 20 frames onto the
// bolts still flying from the first, and the tip burst of 49 at frame 532.
const LevelStretch kSpokes{3, 480, 600, startAtTheWheel};
// The late tour, where the random tracer volleys leave the most trails: about 850 of them.
const LevelStretch kTour{3, 680, 780, startAtTheTour};

// The slowest repetition beside the median, for a worst case on a machine shared with others.
double slowest(const std::vector<double>& times) {
  return *std::max_element(times.begin(), times.end());
}

void BM_Level3SpokesUpdate(benchmark::State& state) { benchStretchUpdate(state, kSpokes); }
BENCHMARK(BM_Level3SpokesUpdate)->Unit(benchmark::kMicrosecond)->ComputeStatistics("max", slowest);

void BM_Level3SpokesDraw(benchmark::State& state) { benchStretchDraw(state, kSpokes); }
BENCHMARK(BM_Level3SpokesDraw)->Unit(benchmark::kMicrosecond)->ComputeStatistics("max", slowest);

void BM_Level3TourUpdate(benchmark::State& state) { benchStretchUpdate(state, kTour); }
BENCHMARK(BM_Level3TourUpdate)->Unit(benchmark::kMicrosecond)->ComputeStatistics("max", slowest);

void BM_Level3TourDraw(benchmark::State& state) { benchStretchDraw(state, kTour); }
BENCHMARK(BM_Level3TourDraw)->Unit(benchmark::kMicrosecond)->ComputeStatistics("max", slowest);

}  // namespace
