#include "weapons/LaserImages.h"

#include "math/Pi.h"

namespace {

// Five corners of radius 6, the first straight down, then that first corner pulled out to 16.
void setPointedPentagon(VectorImage& image) {
  for (int i = 0; i < 5; ++i) image.set_rth(i, 6, i * kTwoPi / 5 + kHalfPi);
  image.set_rth(0, 16, kHalfPi);
}

// Eight corners an eighth of a turn apart, the first pointing right.
void setOctagon(VectorImage& image, double radius) {
  for (int i = 0; i < 8; ++i) image.set_rth(i, radius, i * kQuarterPi);
}

}  // namespace

EnemyLLImage::EnemyLLImage() : VectorImage(5, 0x009600, 0x00FF00) { setPointedPentagon(*this); }

EnemyLTLImage::EnemyLTLImage() : VectorImage(5, 0x0000FF, 0x5050FF) { setPointedPentagon(*this); }

EnemyLaserImage::EnemyLaserImage() : VectorImage(10, 0x0000FF, 0x00FFFF) {
  for (int i = 0; i < 10; ++i) set_rth(i, i % 2 == 0 ? 6 : 12, i * kTwoPi / 10 + kHalfPi);
}

RedRapidLaserImage::RedRapidLaserImage() : VectorImage(4, 0x007DFF, 0x0000FF) {
  set_xy(0, -20, 6);
  set_xy(1, 20, 6);
  set_xy(2, 20, -6);
  set_xy(3, -20, -6);
}

BSTLaserImage::BSTLaserImage() : VectorImage(4, 0xFFFF00, 0xFFFFFF) {
  set_xy(0, -3, 3);
  set_xy(1, 3, 3);
  set_xy(2, 3, -3);
  set_xy(3, -3, -3);
}

PWLaserImage::PWLaserImage() : VectorImage(8, 0xFF00FF, 0x7D007D) { setOctagon(*this, 6); }

YellowCircleImage::YellowCircleImage() : VectorImage(8, 0x00C8FF, 0x00FFFF) {
  setOctagon(*this, 5);
}

WhiteCircleImage::WhiteCircleImage() : VectorImage(8, 0xFFFFFF, 0xE6E6E6) { setOctagon(*this, 5); }
