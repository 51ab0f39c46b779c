#pragma once

// The sound every program plays and kelvaron-sim writes: mono, 16-bit, 44.1 kHz; one game frame of
// 10 ms is 441 samples.
inline constexpr int kSampleRate = 44100;
inline constexpr int kSamplesPerFrame = kSampleRate / 100;
