#include "effects/BlastSprite.h"

#include "math/Pi.h"
#include "sprites/Arena.h"

BlastSprite::BlastSprite(double centreX, double centreY, double radius)
    : x(centreX), y(centreY), size(radius), img(20, 0xFFFFFF, 0xFFFFFF) {
  for (int i = 0; i < 20; ++i) img.set_rth(i, 1.0, i * kPi / 10);
}

std::optional<SoundCue> BlastSprite::soundCue() const {
  constexpr double kLargeBlast = 45;
  constexpr double kBossBlast = 80;
  if (size >= kBossBlast) return SoundCue::bossBlast;
  if (size >= kLargeBlast) return SoundCue::blastLarge;
  return SoundCue::blastSmall;
}

void BlastSprite::update() {
  if (age > kLastAge) {
    Arena& arena = Arena::current();
    arena.removeEffect(this);
  } else {
    ++age;
  }
}

Colorref BlastSprite::colourAt(int t) {
  int r = 0;
  int g = 0;
  int b = 0;
  if (t <= 21) {
    r = 255;
    g = 255;
    b = 255 - 12 * t;
  } else if (t <= 42) {
    r = 255;
    g = 511 - 12 * t;
  } else {
    r = 767 - 12 * t;
  }
  return rgb(r, g, b);
}

void BlastSprite::draw(Canvas& canvas) {
  const Colorref colour = colourAt(age);
  img.draw(canvas, x, y, 0.0, static_cast<double>(age) / 62 * size, colour, colour);
}
