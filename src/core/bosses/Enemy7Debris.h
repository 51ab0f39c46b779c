#pragma once

#include "graphics/VectorImage.h"
#include "sprites/Sprite.h"

// A shard of the level-3 boss's triangle: a random red-edged blue quadrilateral, its four corners
// in no particular order, so it may cross itself.
class Enemy7DebrisImage : public VectorImage {
 public:
  Enemy7DebrisImage();
};

// A shard thrown out when the triangle bursts: it drifts at a whole-number velocity, spins, and
// goes once it is wholly off the field. It hurts nobody.
class Enemy7DebrisSprite : public MySprite {
 public:
  static constexpr int kHalfSize = 25;  // it is gone once the 50 x 50 square around it is off

  Enemy7DebrisSprite(double x, double y);

  void update() override;
  void draw(Canvas& canvas) override;
  double get_x() const override { return x; }
  double get_y() const override { return y; }

  double get_vx() const { return vx; }
  double get_vy() const { return vy; }
  double get_angle() const { return angle; }
  double get_dangle() const { return dangle; }
  const Enemy7DebrisImage& image() const { return img; }

 private:
  struct Spin {
    double vx, vy, angle, dangle;
  };
  // Draws the velocity, the start angle and the spin, in that order.
  static Spin randomSpin();
  Enemy7DebrisSprite(double x, double y, const Spin& spin);

  double x;
  double y;
  double vx;
  double vy;
  double angle;
  double dangle;
  Enemy7DebrisImage img;  // built after the spin: its corners draw after it
};
