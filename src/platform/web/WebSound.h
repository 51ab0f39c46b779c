#pragma once

#include <cstddef>

#include "sound/SoundOutput.h"

// The game's sound in the browser through Web Audio. Browsers let a page start sound only after
// the player has touched it, so the page's audio starts on the first key, touch or click; until
// then the cues pass unheard. M's choice is kept in the browser's local storage.
class WebSound final : public SoundOutput::Device {
 public:
  WebSound();
  WebSound(const WebSound&) = delete;
  WebSound& operator=(const WebSound&) = delete;

  SoundOutput& output() { return output_; }

  void switched(bool on) override;
  // Web Audio asks for the next `count` samples, -1 to 1.
  void render(float* out, std::size_t count);

 private:
  SoundOutput output_;
};
