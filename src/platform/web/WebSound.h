#pragma once

#include <cstddef>
#include <functional>

#include "sound/SoundOutput.h"

// The game's sound in the browser through Web Audio. Browsers let a page start sound only after
// the player has touched it, so the page's audio starts on the first key, touch or click; until
// then the cues pass unheard.
class WebSound final : public SoundOutput::Device {
 public:
  // `keep` remembers M's choice between visits.
  WebSound(bool on, int volume, std::function<void(bool)> keep);
  WebSound(const WebSound&) = delete;
  WebSound& operator=(const WebSound&) = delete;

  SoundOutput& output() { return output_; }
  const SoundOutput& output() const { return output_; }

  void switched(bool on) override;
  // Web Audio asks for the next `count` samples, -1 to 1.
  void render(float* out, std::size_t count);

 private:
  SoundOutput output_;
  std::function<void(bool)> keep_;
};
