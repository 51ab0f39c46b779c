#include "WaveOutSound.h"

#include <cstdio>

WaveOutSound::WaveOutSound(bool on, int volume, std::function<void(bool)> keep)
    : output_(on, volume, this), keep_(std::move(keep)) {
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

// After each frame the queue is topped up; a block is free once the device is done with it (or
// before it was ever sent).
void WaveOutSound::frameDone() {
  if (!device_) return;
  int queued = 0;
  for (const WAVEHDR& header : headers_) {
    if ((header.dwFlags & WHDR_PREPARED) && !(header.dwFlags & WHDR_DONE)) ++queued;
  }
  for (int i = 0; i < kBlocks && queued < kQueued; ++i) {
    WAVEHDR& header = headers_[i];
    if ((header.dwFlags & WHDR_PREPARED) && !(header.dwFlags & WHDR_DONE)) continue;
    if (header.dwFlags & WHDR_PREPARED) waveOutUnprepareHeader(device_, &header, sizeof header);
    output_.render(blocks_[i], kSamplesPerFrame);
    header = WAVEHDR{};
    header.lpData = reinterpret_cast<LPSTR>(blocks_[i]);
    header.dwBufferLength = sizeof blocks_[i];
    waveOutPrepareHeader(device_, &header, sizeof header);
    waveOutWrite(device_, &header, sizeof header);
    ++queued;
  }
}

void WaveOutSound::switched(bool on) {
  if (keep_) keep_(on);
}
