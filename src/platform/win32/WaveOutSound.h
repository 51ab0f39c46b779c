#pragma once

#include <windows.h>
// mmsystem.h needs the types windows.h defines.
#include <mmsystem.h>

#include <cstdint>

#include "sound/AudioFormat.h"
#include "sound/Mixer.h"
#include "sound/SoundBank.h"
#include "sound/SoundSwitch.h"

class Canvas;
class World;

// The game's sound through the multimedia waveOut functions (winmm, part of Windows). Each frame
// tops the device's queue up to four 10-ms blocks (40 ms ahead), so a late timer tick does not
// run it dry. A missing or busy device leaves the game silent with one line on stderr.
class WaveOutSound {
 public:
  explicit WaveOutSound(bool on = true, int volume = 100);
  ~WaveOutSound();
  WaveOutSound(const WaveOutSound&) = delete;
  WaveOutSound& operator=(const WaveOutSound&) = delete;

  // After each update: the frame's cues start playing, the queue is topped up, M's notice drawn.
  void frame(const World& world, Canvas& canvas);
  // M: sound off or on again.
  void toggle();

 private:
  static constexpr int kBlocks = 8;
  static constexpr int kQueued = 4;

  void topUp();

  SoundBank bank_;
  Mixer mixer_{bank_};
  SoundSwitch switch_;
  HWAVEOUT device_ = nullptr;
  WAVEHDR headers_[kBlocks]{};
  std::int16_t blocks_[kBlocks][kSamplesPerFrame]{};
};
