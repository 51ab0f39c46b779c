#pragma once

#include "graphics/VectorImage.h"

// The pictures of the enemy lasers. Each is a class-wide image of its shot class, except the two
// circles, which every pellet builds for itself.

// A small green pentagon with one long point, the point facing the way the laser flies.
class EnemyLLImage : public VectorImage {
 public:
  EnemyLLImage();
};

// The same pointed pentagon in red, for the accelerating pointed laser.
class EnemyLTLImage : public VectorImage {
 public:
  EnemyLTLImage();
};

// A yellow five-pointed star with a red edge.
class EnemyLaserImage : public VectorImage {
 public:
  EnemyLaserImage();
};

// A red bar 40 long and 12 wide with an orange edge, lying along the x axis.
class RedRapidLaserImage : public VectorImage {
 public:
  RedRapidLaserImage();
};

// A white square with a cyan edge; every bolt stretches its tail (points 0 and 3) before drawing.
class BSTLaserImage : public VectorImage {
 public:
  BSTLaserImage();
};

// A magenta octagon of radius 6.
class PWLaserImage : public VectorImage {
 public:
  PWLaserImage();
};

// A yellow pellet of radius 5 with an amber edge.
class YellowCircleImage : public VectorImage {
 public:
  YellowCircleImage();
};

// A light grey pellet of radius 5 with a white edge.
class WhiteCircleImage : public VectorImage {
 public:
  WhiteCircleImage();
};
