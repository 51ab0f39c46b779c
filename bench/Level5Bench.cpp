#include "LevelFrames.h"

namespace {

// The boss's fullest picture: arms out and all nine cells lit light blue (steady from count 730),
// the ship firing into it.
const LevelStretch kLitCells{5, 750, 950};

void BM_Level5LitCellsUpdate(benchmark::State& state) { benchStretchUpdate(state, kLitCells); }
BENCHMARK(BM_Level5LitCellsUpdate)->Unit(benchmark::kMicrosecond);

void BM_Level5LitCellsDraw(benchmark::State& state) { benchStretchDraw(state, kLitCells); }
BENCHMARK(BM_Level5LitCellsDraw)->Unit(benchmark::kMicrosecond);

}  // namespace
