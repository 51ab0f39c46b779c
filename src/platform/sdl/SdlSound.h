#pragma once

#include <SDL.h>

#include <string>

#include "sound/Mixer.h"
#include "sound/SoundBank.h"
#include "sound/SoundSwitch.h"

class Canvas;
class World;

// The game's sound on the default output device. SDL's audio thread pulls samples from the mixer;
// the game hands over each frame's cues under the device's lock. A missing or busy device leaves
// the game silent with one line on stderr.
class SdlSound {
 public:
  // The device's buffer: 512 samples, 11.6 ms at 44.1 kHz.
  static constexpr int kBufferSamples = 512;

  // `settingFile` remembers M's choice between runs (empty: not remembered).
  SdlSound(bool on, int volume, std::string settingFile);
  ~SdlSound();
  SdlSound(const SdlSound&) = delete;
  SdlSound& operator=(const SdlSound&) = delete;

  // After each update: the frame's cues start playing and M's notice is drawn.
  void frame(const World& world, Canvas& canvas);
  // M: sound off or on again, remembered.
  void toggle();
  bool open() const { return device_ != 0; }

 private:
  static void SDLCALL fill(void* self, Uint8* stream, int bytes);

  SoundBank bank_;
  Mixer mixer_{bank_};
  SoundSwitch switch_;
  std::string settingFile_;
  SDL_AudioDeviceID device_ = 0;
};
