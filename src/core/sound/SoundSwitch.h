#pragma once

#include <string>

class Canvas;
struct Rect;

// The player's sound switch: M turns the sound off and on again in any scene, and the new state
// shows at the top right of the play field for a moment.
class SoundSwitch {
 public:
  static constexpr int kNoticeFrames = 150;

  explicit SoundSwitch(bool on = true) : on_(on) {}

  void toggle() {
    on_ = !on_;
    noticeLeft_ = kNoticeFrames;
  }
  bool on() const { return on_; }

  // Draws the notice while it lasts; each call is one frame of it.
  void drawNotice(Canvas& canvas, const Rect& field);

 private:
  bool on_;
  int noticeLeft_ = 0;
};

// The switch's state kept between runs: a file holding "sound on" or "sound off". A missing or
// unreadable file means on; a file that cannot be written is passed over, as the sound is only a
// comfort.
bool readSoundOn(const std::string& file);
void writeSoundOn(const std::string& file, bool on);
