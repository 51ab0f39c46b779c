#pragma once

#include <climits>
#include <cstdint>
#include <span>
#include <string>
#include <utility>

#include "RasterCanvas.h"

inline constexpr int kMin = INT_MIN;
inline constexpr int kMax = INT_MAX;

// Colours the raster tests draw with, and the letters they show as in a picture.
inline constexpr Colorref kPen = 0x0000FFu;    // red, '#'
inline constexpr Colorref kBrush = 0xFF0000u;  // blue, 'o'
inline constexpr Colorref kPaper = 0x00FF00u;  // green, '+'

// The canvas as text, one line per row ending in '\n': '.' black, '#' pen, 'o' brush, '+' paper,
// '?' any other colour. Expected pictures are written as strings starting with a newline.
inline std::string picture(const RasterCanvas& canvas) {
  std::string out = "\n";
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      const std::uint32_t c = canvas.pixelAt(x, y);
      out += c == 0 ? '.' : c == kPen ? '#' : c == kBrush ? 'o' : c == kPaper ? '+' : '?';
    }
    out += '\n';
  }
  return out;
}

inline void fillWithPaper(RasterCanvas& canvas) {
  canvas.rectangle(0, 0, canvas.width() + 1, canvas.height() + 1, std::nullopt, kPaper);
}

// Slow, direct statements of the pixel rules, drawing into a blank w x h picture what a drawing
// must show. They work in 128 bits so they stay exact for any int coordinates.
namespace raster_reference {

__extension__ typedef __int128 Wide;

inline void set(std::string& picture, int w, int h, Wide x, Wide y, char c) {
  if (x >= 0 && x < w && y >= 0 && y < h)
    picture[static_cast<std::size_t>(1 + y * (w + 1) + x)] = c;
}

// The line from a to b without b: one pixel per step along the longer axis, at the nearest whole
// minor coordinate, a half going to the smaller one. Only steps on the surface are walked.
inline void line(std::string& picture, int w, int h, Point a, Point b) {
  const Wide dx = Wide{b.x} - a.x;
  const Wide dy = Wide{b.y} - a.y;
  const bool xMajor = (dx < 0 ? -dx : dx) > (dy < 0 ? -dy : dy);
  const Wide len = xMajor ? (dx < 0 ? -dx : dx) : (dy < 0 ? -dy : dy);
  const Wide major0 = xMajor ? a.x : a.y;
  const Wide minor0 = xMajor ? a.y : a.x;
  const Wide sign = (xMajor ? dx : dy) < 0 ? -1 : 1;
  const Wide last = (xMajor ? w : h) - 1;
  const Wide tFirst = sign < 0 ? major0 - last : -major0;
  for (Wide t = tFirst < 0 ? 0 : tFirst; t < len && t <= tFirst + last; ++t) {
    // exact minor = minor0 + t * minorDelta / len; nearest, ties down: ceil(exact - 1/2)
    const Wide twice = 2 * minor0 * len + 2 * t * (xMajor ? dy : dx) - len;
    const Wide minor = twice >= 0 ? (twice + 2 * len - 1) / (2 * len) : twice / (2 * len);
    const Wide major = major0 + sign * t;
    set(picture, w, h, xMajor ? major : minor, xMajor ? minor : major, '#');
  }
}

// Even-odd at each pixel's top-left corner (x, y): count the edges crossing the pixel's scanline
// (top row in, bottom row out) at or left of the corner, so a corner on a left edge is in and on a
// right edge out. Then the outline, segment by segment.
inline void polygon(std::string& picture, int w, int h, std::span<const Point> points, bool pen,
                    bool brush) {
  for (int i = 0; i < w * h && brush && points.size() >= 2; ++i) {
    bool inside = false;
    for (std::size_t k = 0; k < points.size(); ++k) {
      auto [a, b] = std::minmax(points[k], points[(k + 1) % points.size()],
                                [](Point p, Point q) { return p.y < q.y; });
      const Wide x = i % w;
      const Wide y = i / w;
      const Wide dy = Wide{b.y} - a.y;  // crossing = a.x + (y - a.y) dx / dy <= x
      if (y < a.y || y >= b.y) continue;
      if (dy * a.x + (y - a.y) * (Wide{b.x} - a.x) <= dy * x) inside = !inside;
    }
    if (inside) set(picture, w, h, i % w, i / w, 'o');
  }
  for (std::size_t k = 0; k < points.size() && pen && points.size() >= 2; ++k) {
    line(picture, w, h, points[k], points[(k + 1) % points.size()]);
  }
}

}  // namespace raster_reference
