#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "RasterCanvas.h"

// Colours the raster tests draw with, and the letters they show as in a picture.
inline constexpr Colorref kPen = 0x0000FFu;    // red, '#'
inline constexpr Colorref kBrush = 0xFF0000u;  // blue, 'o'
inline constexpr Colorref kPaper = 0x00FF00u;  // green, '+'

// The canvas as text, one line per row ending in '\n': '.' black, '#' pen, 'o' brush, '+' paper,
// '?' any other colour. Expected pictures are written as raw strings starting with a newline.
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

inline int countNonBlack(const RasterCanvas& canvas) {
  int n = 0;
  for (int i = 0; i < canvas.width() * canvas.height(); ++i) n += canvas.pixels()[i] != 0;
  return n;
}
