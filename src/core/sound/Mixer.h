#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "sound/SoundBank.h"
#include "sound/SoundCue.h"

class FrameCues;

// Plays cues from a bank on a few voices and mixes them into 16-bit samples. When every voice is
// busy a new cue takes the voice of the least important one playing, or is dropped if all matter
// more; the sum passes a soft limiter whose output stays below full scale, so it never clips.
class Mixer {
 public:
  static constexpr int kVoices = 8;
  // Full scale for the limiter's ceiling: just short of the 16-bit rails.
  static constexpr float kCeiling = 32000.0f;

  explicit Mixer(const SoundBank& bank) : bank_(bank) {}

  void play(SoundCue cue);
  void play(const FrameCues& cues);
  // Mixes the next `count` samples.
  void render(std::int16_t* out, std::size_t count);
  std::vector<std::int16_t> render(std::size_t count);

  // 0 to 100; a muted mixer keeps playing its voices unheard, so unmuting joins in time.
  void setVolume(int volume);
  int volume() const { return volume_; }
  void setMuted(bool muted) { muted_ = muted; }
  bool muted() const { return muted_; }
  // Voices playing now.
  int active() const;

 private:
  struct Voice {
    SoundCue cue = SoundCue::laser;
    std::size_t position = 0;
    bool playing = false;
  };

  Voice* voiceFor(SoundCue cue);
  float mixOne();

  const SoundBank& bank_;
  Voice voices_[kVoices];
  int volume_ = 100;
  float gain_ = 1.0f;
  bool muted_ = false;
};
