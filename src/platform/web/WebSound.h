#pragma once

#include <cstddef>

#include "sound/Mixer.h"
#include "sound/SoundBank.h"
#include "sound/SoundSwitch.h"

class Canvas;
class World;

// The game's sound in the browser through Web Audio. Browsers let a page start sound only after
// the player has touched it, so the page's audio starts on the first key, touch or click; until
// then the cues pass unheard. M's choice is kept in the browser's local storage.
class WebSound {
 public:
  WebSound();

  // After each update: the frame's cues start playing and M's notice is drawn.
  void frame(const World& world, Canvas& canvas);
  // M: sound off or on again, remembered.
  void toggle();
  // Web Audio asks for the next `count` samples, -1 to 1.
  void render(float* out, std::size_t count);

 private:
  SoundBank bank_;
  Mixer mixer_{bank_};
  SoundSwitch switch_;
};
