#pragma once

#include <cstdint>
#include <vector>

#include "graphics/Canvas.h"

// One square picture of an icon: width x width pixels, row-major from the top, 0xAARRGGBB.
struct IconImage {
  int width = 0;
  std::vector<std::uint32_t> pixels;
};

// The game's icon (the window's, the installed program's): the player's ship, nose up, drawn with
// the game's own image and rasterizer at the given size, on a transparent background.
IconImage drawShipIcon(int size);

// The same ship on any canvas of size x size pixels (black or empty around it): the polygons the
// icon's pixels come from, e.g. for a scalable copy of the icon.
void drawShipIconOn(Canvas& canvas, int size);
