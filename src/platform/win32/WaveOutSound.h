#pragma once

#include <windows.h>
// mmsystem.h needs the types windows.h defines.
#include <mmsystem.h>

#include <cstdint>
#include <functional>

#include "sound/AudioFormat.h"
#include "sound/SoundOutput.h"

// The game's sound through the multimedia waveOut functions (winmm, part of Windows). After each
// frame the device's queue is topped up to four 10-ms blocks (40 ms ahead), so a late timer tick
// does not run it dry. A missing or busy device leaves the game silent with one line on stderr.
class WaveOutSound final : public SoundOutput::Device {
 public:
  // `keep` remembers M's choice between runs (empty: not remembered).
  explicit WaveOutSound(bool on = true, int volume = 100, std::function<void(bool)> keep = {});
  ~WaveOutSound() override;
  WaveOutSound(const WaveOutSound&) = delete;
  WaveOutSound& operator=(const WaveOutSound&) = delete;

  SoundOutput& output() { return output_; }

  void frameDone() override;
  void switched(bool on) override;

 private:
  static constexpr int kBlocks = 8;
  static constexpr int kQueued = 4;

  SoundOutput output_;
  std::function<void(bool)> keep_;
  HWAVEOUT device_ = nullptr;
  WAVEHDR headers_[kBlocks]{};
  std::int16_t blocks_[kBlocks][kSamplesPerFrame]{};
};
