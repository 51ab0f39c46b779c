#pragma once

#include <benchmark/benchmark.h>

#include <functional>

class World;

// A stretch of a level's fight: frames from..to-1 counted from the level's set-up (frame 1 is the
// boss's first update), played with the ship sitting still and firing, as in a busy fight.
struct LevelStretch {
  int level;
  int from;
  int to;
  // Runs once after the level is set up, e.g. to bring the boss into a later phase.
  std::function<void(World&)> prepare = nullptr;
};

// Game update of each frame of the stretch, over and over; the median and 99th percentile of the
// single frames are reported as counters beside the mean.
void benchStretchUpdate(benchmark::State& state, const LevelStretch& stretch);
// RasterCanvas drawing of each frame of the stretch, from the calls the game made.
void benchStretchDraw(benchmark::State& state, const LevelStretch& stretch);
