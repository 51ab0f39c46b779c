#include <benchmark/benchmark.h>

#include <cstdint>

#include "sound/AudioFormat.h"
#include "sound/Mixer.h"
#include "sound/SoundBank.h"

namespace {

// The mixer's cost for one 10-ms game frame with every voice busy: long cues kept playing on all
// eight voices, as in the loudest moments of a fight.
void BM_MixerFrameAllVoices(benchmark::State& state) {
  const SoundBank bank;
  Mixer mixer(bank);
  const SoundCue longCues[] = {SoundCue::bomb,       SoundCue::bossBlast,  SoundCue::blastLarge,
                               SoundCue::blastLarge, SoundCue::shipLost,   SoundCue::blastSmall,
                               SoundCue::blastSmall, SoundCue::gameCleared};
  std::int16_t out[kSamplesPerFrame];
  for (auto _ : state) {
    if (mixer.active() < Mixer::kVoices) {
      for (SoundCue cue : longCues) mixer.play(cue);
    }
    mixer.render(out, kSamplesPerFrame);
    benchmark::DoNotOptimize(out);
  }
  state.counters["voices"] = mixer.active();
}
BENCHMARK(BM_MixerFrameAllVoices);

// Rendering every cue's samples, as each program does once at start-up.
void BM_SoundBankAtStartUp(benchmark::State& state) {
  for (auto _ : state) {
    const SoundBank bank;
    benchmark::DoNotOptimize(&bank);
  }
}
BENCHMARK(BM_SoundBankAtStartUp)->Unit(benchmark::kMillisecond);

}  // namespace
