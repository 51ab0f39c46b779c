#pragma once

#include "graphics/VectorImage.h"
#include "weapons/EnemyShot.h"

// An amber octagon of radius 7 with a yellow edge; each pulse builds its own.
class YSPulseImage : public VectorImage {
 public:
  YSPulseImage();
  using VectorImage::draw;
  // The octagon, then the outline of a comet around it: a tail reaching back to where the pulse
  // was five frames ago at its present velocity (vx, vy), and a head of five points on a circle of
  // radius 10, the middle one straight ahead. Rotation and scale turn the octagon only.
  void draw(Canvas& canvas, double x, double y, double rotation, double scale, double vx, double vy,
            Colorref pen, Colorref brush) const;
};

// The yellow pulse: thrown fast, it brakes by 3.5 % a frame until it drifts at no more than the
// square root of 3 pixels per frame.
class YSPulseSprite : public EnemyShotSprite {
 public:
  static constexpr int hitsize = 8;
  static constexpr int kMargin = 80;

  YSPulseSprite(double x, double y, double vx, double vy);

  void update() override;
  void draw(Canvas& canvas) override;
  std::optional<SoundCue> soundCue() const override { return SoundCue::volleyPulse; }

 private:
  YSPulseImage image;
};
