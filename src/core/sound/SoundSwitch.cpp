#include "sound/SoundSwitch.h"

#include <fstream>

#include "graphics/Canvas.h"
#include "graphics/Rect.h"

void SoundSwitch::drawNotice(Canvas& canvas, const Rect& field) {
  if (noticeLeft_ <= 0) return;
  --noticeLeft_;
  canvas.text(field.right - 100, 10, on_ ? "Sound on" : "Sound off", kWhite);
}

bool readSoundOn(const std::string& file) {
  std::ifstream in(file);
  std::string line;
  return !(std::getline(in, line) && line == "sound off");
}

void writeSoundOn(const std::string& file, bool on) {
  std::ofstream out(file, std::ios::trunc);
  out << (on ? "sound on" : "sound off") << '\n';
}
