#include "WebSound.h"

#include <emscripten.h>

#include <cstdint>
#include <vector>

// The bodies below are JavaScript (see Page.cpp on comparisons).
// clang-format off

// A script processor pulls the samples from the game on the page's own thread, so the mixer needs
// no lock. 1,024 samples: 23 ms at 44.1 kHz.
EM_JS(void, kelvaron_sound_start_on_first_touch, (), {
  const start = () => {
    if (Module.audio) return;
    try {
      const Context = window.AudioContext || window.webkitAudioContext;
      const context = new Context({sampleRate: 44100});
      const node = context.createScriptProcessor(1024, 0, 1);
      const at = Module._malloc(1024 * 4);
      node.onaudioprocess = (event) => {
        const out = event.outputBuffer.getChannelData(0);
        Module._kelvaron_sound_render(at, out.length);
        out.set(HEAPF32.subarray(at >> 2, (at >> 2) + out.length));
      };
      node.connect(context.destination);
      context.resume();
      Module.audio = context;
    } catch (error) {
      console.warn('kelvaron: no sound: ' + error.message);
      Module.audio = {state: 'none'};
    }
  };
  for (const type of ['keydown', 'pointerdown', 'touchstart']) {
    window.addEventListener(type, start, {capture: true});
  }
});

// clang-format on

extern "C" EMSCRIPTEN_KEEPALIVE void kelvaron_sound_render(float* out, int count);

namespace {
WebSound* playing = nullptr;
}

extern "C" EMSCRIPTEN_KEEPALIVE void kelvaron_sound_render(float* out, int count) {
  if (playing) playing->render(out, static_cast<std::size_t>(count));
}

WebSound::WebSound(bool on, int volume, std::function<void(bool)> keep)
    : output_(on, volume, this), keep_(std::move(keep)) {
  playing = this;
  kelvaron_sound_start_on_first_touch();
}

void WebSound::switched(bool on) {
  if (keep_) keep_(on);
}

void WebSound::render(float* out, std::size_t count) {
  static std::vector<std::int16_t> samples;
  samples.resize(count);
  output_.render(samples.data(), count);
  for (std::size_t i = 0; i < count; ++i) out[i] = static_cast<float>(samples[i]) / 32768.0f;
}
