#pragma once

#include "graphics/VectorImage.h"

// The ship: a green-edged yellow fighter, nose up, about 40 pixels across.
class PlayerImage : public VectorImage {
 public:
  PlayerImage();
  using VectorImage::draw;
  // As draw, then, unless `noMarker`, the hit-point marker: a small red diamond over the centre,
  // neither turned nor scaled, showing where shots must not touch.
  void draw(Canvas& canvas, double x, double y, double rotation, double scale, Colorref pen,
            Colorref brush, bool noMarker) const;
};

// The ship's laser shot: a thin hexagon 4 pixels wide and 20 long.
class PlayerLaserImage : public VectorImage {
 public:
  PlayerLaserImage();
};
