#pragma once

#include "bosses/BossLifecycle.h"
#include "graphics/VectorImage.h"

// The level-1 boss's picture: a blue pentagon of radius 30 with a red edge, one corner down.
class Enemy5Image : public VectorImage {
 public:
  Enemy5Image();
};

// The level-1 boss: circles a point near the top of the field and fires spinning stars with a
// random slant and fans of nine pointed lasers, both faster as its life runs down.
class Enemy5Sprite : public BossLifecycle<Enemy5Sprite> {
 public:
  static const Enemy5Image& img();
  static constexpr int hitsize = 30;
  static constexpr int kInitialLife = 200;
  static constexpr DeathStages kDeath{61, 5, 80, 21};

  Enemy5Sprite(int cx, int cy);

  void draw(Canvas& canvas) override;
  double get_x() const override { return x; }
  double get_y() const override { return y; }
  int get_hitsize() const override { return hitsize; }
  const char* class_name() const override { return "Enemy5Sprite"; }
  double get_angle() const override { return angle; }

  // Circles and fires.
  void updatenormal();

 private:
  void fireStar();
  void fireFan();

  int cx;
  int x;
  int cy;
  int y;
  double angle = 0.0;
};
