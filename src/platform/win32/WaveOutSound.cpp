#include "WaveOutSound.h"

#include <cstdio>

#include "game/World.h"

WaveOutSound::WaveOutSound(bool on, int volume) : switch_(on) {
  mixer_.setVolume(volume);
  mixer_.setMuted(!on);
  WAVEFORMATEX format{};
  format.wFormatTag = WAVE_FORMAT_PCM;
  format.nChannels = 1;
  format.nSamplesPerSec = kSampleRate;
  format.wBitsPerSample = 16;
  format.nBlockAlign = 2;
  format.nAvgBytesPerSec = kSampleRate * 2;
  const MMRESULT result = waveOutOpen(&device_, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL);
  if (result != MMSYSERR_NOERROR) {
    std::fprintf(stderr, "kelvaron: no sound: waveOutOpen failed (%u)\n",
                 static_cast<unsigned>(result));
    device_ = nullptr;
  }
}

WaveOutSound::~WaveOutSound() {
  if (!device_) return;
  waveOutReset(device_);
  for (WAVEHDR& header : headers_) {
    if (header.dwFlags & WHDR_PREPARED) waveOutUnprepareHeader(device_, &header, sizeof header);
  }
  waveOutClose(device_);
}

void WaveOutSound::frame(const World& world, Canvas& canvas) {
  switch_.drawNotice(canvas, world.rc);
  mixer_.play(world.cues);
  if (device_) topUp();
}

// A block is free once the device is done with it (or before it was ever sent).
void WaveOutSound::topUp() {
  int queued = 0;
  for (const WAVEHDR& header : headers_) {
    if ((header.dwFlags & WHDR_PREPARED) && !(header.dwFlags & WHDR_DONE)) ++queued;
  }
  for (int i = 0; i < kBlocks && queued < kQueued; ++i) {
    WAVEHDR& header = headers_[i];
    if ((header.dwFlags & WHDR_PREPARED) && !(header.dwFlags & WHDR_DONE)) continue;
    if (header.dwFlags & WHDR_PREPARED) waveOutUnprepareHeader(device_, &header, sizeof header);
    mixer_.render(blocks_[i], kSamplesPerFrame);
    header = WAVEHDR{};
    header.lpData = reinterpret_cast<LPSTR>(blocks_[i]);
    header.dwBufferLength = sizeof blocks_[i];
    waveOutPrepareHeader(device_, &header, sizeof header);
    waveOutWrite(device_, &header, sizeof header);
    ++queued;
  }
}

void WaveOutSound::toggle() {
  switch_.toggle();
  mixer_.setMuted(!switch_.on());
}
