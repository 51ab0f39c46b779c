#include "SdlSound.h"

#include <cstdint>
#include <cstdio>

#include "game/World.h"
#include "sound/AudioFormat.h"

SdlSound::SdlSound(bool on, int volume, std::string settingFile)
    : switch_(on), settingFile_(std::move(settingFile)) {
  mixer_.setVolume(volume);
  mixer_.setMuted(!on);
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
  auto& sound = *static_cast<SdlSound*>(self);
  sound.mixer_.render(reinterpret_cast<std::int16_t*>(stream),
                      static_cast<std::size_t>(bytes) / sizeof(std::int16_t));
}

void SdlSound::frame(const World& world, Canvas& canvas) {
  switch_.drawNotice(canvas, world.rc);
  if (device_ == 0 || world.cues.empty()) return;
  SDL_LockAudioDevice(device_);
  mixer_.play(world.cues);
  SDL_UnlockAudioDevice(device_);
}

void SdlSound::toggle() {
  switch_.toggle();
  if (device_ != 0) SDL_LockAudioDevice(device_);
  mixer_.setMuted(!switch_.on());
  if (device_ != 0) SDL_UnlockAudioDevice(device_);
  if (!settingFile_.empty()) writeSoundOn(settingFile_, switch_.on());
}
