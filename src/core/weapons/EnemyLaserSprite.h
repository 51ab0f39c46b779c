#pragma once

#include "weapons/EnemyShot.h"
#include "weapons/LaserImages.h"

// The spinning star: flies straight and turns a tenth of a radian each frame. It may be fired from
// far outside the field, so it is kept until 160 pixels off.
class EnemyLaserSprite : public EnemyShotSprite {
 public:
  static const EnemyLaserImage& img();
  static constexpr int hitsize = 6;
  static constexpr int kMargin = 160;

  EnemyLaserSprite(double x, double y, double vx, double vy);

  void update() override;
  void draw(Canvas& canvas) override;
  std::optional<SoundCue> soundCue() const override { return SoundCue::volleyStar; }

 private:
  double angle = 0.0;
};
