#pragma once

#include <SDL.h>

#include <functional>

#include "sound/SoundOutput.h"

// The game's sound on the default output device: SDL's audio thread pulls the samples, and every
// change the game makes to the mixer happens under the device's lock. A missing or busy device
// leaves the game silent with one line on stderr.
class SdlSound final : public SoundOutput::Device {
 public:
  // The device's buffer: 512 samples, 11.6 ms at 44.1 kHz.
  static constexpr int kBufferSamples = 512;

  // `keep` remembers M's choice between runs (empty: not remembered).
  SdlSound(bool on, int volume, std::function<void(bool)> keep = {});
  ~SdlSound() override;
  SdlSound(const SdlSound&) = delete;
  SdlSound& operator=(const SdlSound&) = delete;

  SoundOutput& output() { return output_; }
  bool open() const { return device_ != 0; }

  void lock() override;
  void unlock() override;
  void switched(bool on) override;

 private:
  static void SDLCALL fill(void* self, Uint8* stream, int bytes);

  SoundOutput output_;
  std::function<void(bool)> keep_;
  SDL_AudioDeviceID device_ = 0;
};
