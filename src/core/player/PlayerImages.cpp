#include "player/PlayerImages.h"

#include <array>

#include "math/GameMath.h"

PlayerImage::PlayerImage() : VectorImage(12, 0x00FF00, 0x00FFFF) {
  static constexpr std::array<std::array<int, 2>, 12> kOutline = {{{0, -20},
                                                                   {8, -6},
                                                                   {16, -12},
                                                                   {20, 2},
                                                                   {16, 16},
                                                                   {8, 6},
                                                                   {0, 15},
                                                                   {-8, 6},
                                                                   {-16, 16},
                                                                   {-20, 2},
                                                                   {-16, -12},
                                                                   {-8, -6}}};
  for (int i = 0; i < 12; ++i) set_xy(i, kOutline[i][0], kOutline[i][1]);
}

void PlayerImage::draw(Canvas& canvas, double x, double y, double rotation, double scale,
                       Colorref pen, Colorref brush, bool noMarker) const {
  VectorImage::draw(canvas, x, y, rotation, scale, pen, brush);
  if (noMarker) return;
  const int cx = gm::truncate(x);
  const int cy = gm::truncate(y);
  const std::array<Point, 4> marker = {{{cx - 4, cy}, {cx, cy - 4}, {cx + 4, cy}, {cx, cy + 4}}};
  canvas.polygon(marker, Colorref{0x00FF00}, Colorref{0x0032FF});
}

PlayerLaserImage::PlayerLaserImage() : VectorImage(6, 0x00FF00, 0x00FFFF) {
  set_xy(0, 0, 10);
  set_xy(1, 2, 8);
  set_xy(2, 2, -8);
  set_xy(3, 0, -10);
  set_xy(4, -2, -8);
  set_xy(5, -2, 8);
}
