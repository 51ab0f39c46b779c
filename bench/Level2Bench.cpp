#include "LevelFrames.h"

namespace {

// The barrage: a red bar every frame and the sweeping speed-6 pairs, from count 580 to 779.
const LevelStretch kBarrage{2, 580, 780};

void BM_Level2BarrageUpdate(benchmark::State& state) { benchStretchUpdate(state, kBarrage); }
BENCHMARK(BM_Level2BarrageUpdate)->Unit(benchmark::kMicrosecond);

void BM_Level2BarrageDraw(benchmark::State& state) { benchStretchDraw(state, kBarrage); }
BENCHMARK(BM_Level2BarrageDraw)->Unit(benchmark::kMicrosecond);

}  // namespace
