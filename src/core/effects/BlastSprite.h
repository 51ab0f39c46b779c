#pragma once

#include "graphics/VectorImage.h"
#include "sprites/Sprite.h"

// An explosion: a disc that grows for 63 frames while fading white, yellow, red, black.
class BlastSprite : public MySprite {
 public:
  static constexpr int kLastAge = 62;

  BlastSprite(double x, double y, double size);

  void update() override;
  void draw(Canvas& canvas) override;
  // By size: the boss's break-up throws 20 to 40, a lost ship 50 to 70, the boss's last
  // explosions 80 and more.
  std::optional<SoundCue> soundCue() const override;
  double get_x() const override { return x; }
  double get_y() const override { return y; }

  int get_age() const { return age; }
  double get_size() const { return size; }
  // The colour of the disc at an age: white to yellow, to red, to black.
  static Colorref colourAt(int age);

 private:
  double x;
  double y;
  int age = 0;
  double size;  // radius at age 62
  VectorImage img;
};
