#include "SdlSound.h"

#include <cstdint>
#include <cstdio>

#include "sound/AudioFormat.h"

SdlSound::SdlSound(bool on, int volume, std::function<void(bool)> keep)
    : output_(on, volume, this), keep_(std::move(keep)) {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    std::fprintf(stderr, "kelvaron: no sound: %s\n", SDL_GetError());
    return;
  }
  SDL_AudioSpec wanted{};
  wanted.freq = kSampleRate;
  wanted.format = AUDIO_S16SYS;
  wanted.channels = 1;
  wanted.samples = kBufferSamples;
  wanted.callback = fill;
  wanted.userdata = this;
  // SDL converts to whatever the device takes.
  device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
  if (device_ == 0) {
    std::fprintf(stderr, "kelvaron: no sound: %s\n", SDL_GetError());
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return;
  }
  SDL_PauseAudioDevice(device_, 0);
}

SdlSound::~SdlSound() {
  if (device_ == 0) return;
  SDL_CloseAudioDevice(device_);
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SDLCALL SdlSound::fill(void* self, Uint8* stream, int bytes) {
  static_cast<SdlSound*>(self)->output_.render(
      reinterpret_cast<std::int16_t*>(stream),
      static_cast<std::size_t>(bytes) / sizeof(std::int16_t));
}

void SdlSound::lock() {
  if (device_ != 0) SDL_LockAudioDevice(device_);
}

void SdlSound::unlock() {
  if (device_ != 0) SDL_UnlockAudioDevice(device_);
}

void SdlSound::switched(bool on) {
  if (keep_) keep_(on);
}
