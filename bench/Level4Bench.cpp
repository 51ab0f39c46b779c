#include "LevelFrames.h"
#include "game/World.h"
#include "player/PlayerSprite.h"

namespace {

// Manoeuvre 5 at its height: all eight satellites cross the field together firing bolts to both
// sides, about 1,400 enemy shots in play, and the boss's fans beside them (boss counts 2577 to
// 2776 of its first pattern). The ship sits 20 pixels from the left edge, so that its shots miss
// the boss and the first pattern lasts.
const LevelStretch kSideCrossing{4, 2800, 3000, [](World& world) { world.psp->move_xy(-380, 0); }};

void BM_Level4BusiestUpdate(benchmark::State& state) { benchStretchUpdate(state, kSideCrossing); }
BENCHMARK(BM_Level4BusiestUpdate)->Unit(benchmark::kMicrosecond);

void BM_Level4BusiestDraw(benchmark::State& state) { benchStretchDraw(state, kSideCrossing); }
BENCHMARK(BM_Level4BusiestDraw)->Unit(benchmark::kMicrosecond);

}  // namespace
