#pragma once

#include <memory>

#include "weapons/EnemyShot.h"
#include "weapons/LaserImages.h"

// A laser that flies at a constant velocity until it is 80 pixels off the field. Its subclasses
// give the picture and the hit radius.
class StraightLaserSprite : public EnemyShotSprite {
 public:
  static constexpr int kMargin = 80;

  void update() override;
  std::optional<SoundCue> soundCue() const override { return SoundCue::volleyLaser; }

 protected:
  StraightLaserSprite(double x, double y, double vx, double vy, int hitsize);
};

// The pointed green laser, drawn with its long point along its path.
class EnemyLLSprite : public StraightLaserSprite {
 public:
  static const EnemyLLImage& img();
  static constexpr int hitsize = 6;

  EnemyLLSprite(double x, double y, double vx, double vy);

  void update() override;
  void draw(Canvas& canvas) override;

 private:
  double angle = 0.0;
};

// A round pellet with its own picture and its own hit radius.
class SmallLaserSprite : public StraightLaserSprite {
 public:
  enum ltype { yellow = 0, white = 1 };

  SmallLaserSprite(double x, double y, double vx, double vy, unsigned int hitsize, ltype type);

  void draw(Canvas& canvas) override;

 private:
  std::unique_ptr<VectorImage> image_;
};
