#pragma once

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "RasterCanvas.h"

// Slow, direct statements of the pixel rules, checked pixel by pixel against the fast renderer.
// They work in 128 bits so they stay exact for any int coordinates.
namespace raster_reference {

__extension__ typedef __int128 Wide;

inline Wide floorDiv(Wide a, Wide b) {  // b > 0
  const Wide q = a / b;
  return (a % b < 0) ? q - 1 : q;
}

// Even-odd at the pixel's top-left corner (x, y): count the edges crossing the pixel's scanline
// (top row in, bottom row out) at or left of the corner. "At" counts, so a corner on a left edge is
// in and on a right edge out.
inline bool insidePolygon(std::span<const Point> points, std::int64_t x, std::int64_t y) {
  bool inside = false;
  for (std::size_t i = 0; i < points.size(); ++i) {
    Point a = points[i];
    Point b = points[(i + 1) % points.size()];
    if (a.y == b.y) continue;
    if (a.y > b.y) std::swap(a, b);
    if (y < a.y || y >= b.y) continue;
    const Wide dy = Wide{b.y} - a.y;
    const Wide dx = Wide{b.x} - a.x;
    // crossing = a.x + (y - a.y) dx / dy <= x
    if (dy * a.x + (Wide{y} - a.y) * dx <= dy * x) inside = !inside;
  }
  return inside;
}

// Calls visit(x, y) for every pixel of the line from a to b without b, in 64-bit coordinates: one
// per step along the longer axis, at the nearest whole minor coordinate, a half going to the
// smaller. Only pixels whose major coordinate lies in [first, last] are visited, to keep long lines
// cheap.
template <typename Visit>
void linePixels(Point a, Point b, std::int64_t first, std::int64_t last, Visit visit) {
  const Wide dx = Wide{b.x} - a.x;
  const Wide dy = Wide{b.y} - a.y;
  const bool xMajor = (dx < 0 ? -dx : dx) > (dy < 0 ? -dy : dy);
  const Wide len = xMajor ? (dx < 0 ? -dx : dx) : (dy < 0 ? -dy : dy);
  const Wide major0 = xMajor ? a.x : a.y;
  const Wide minor0 = xMajor ? a.y : a.x;
  const Wide majorDelta = xMajor ? dx : dy;
  const Wide minorDelta = xMajor ? dy : dx;
  const Wide tFirst = majorDelta < 0 ? major0 - last : first - major0;
  const Wide tLast = majorDelta < 0 ? major0 - first : last - major0;
  for (Wide t = tFirst < 0 ? 0 : tFirst; t < len && t <= tLast; ++t) {
    const Wide major = major0 + (majorDelta < 0 ? -t : t);
    // exact minor = minor0 + t * minorDelta / len; nearest, ties down: ceil(exact - 1/2)
    const Wide minor = -floorDiv(-(2 * minor0 * len + 2 * t * minorDelta - len), 2 * len);
    if (xMajor) {
      visit(static_cast<std::int64_t>(major), static_cast<std::int64_t>(minor));
    } else {
      visit(static_cast<std::int64_t>(minor), static_cast<std::int64_t>(major));
    }
  }
}

}  // namespace raster_reference
