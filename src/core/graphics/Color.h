#pragma once

#include <cstdint>

// Colours are packed the Windows way: 0x00BBGGRR.
using Colorref = std::uint32_t;

// The colours the game names wherever it draws them.
inline constexpr Colorref kRed = 0x0000FF;
inline constexpr Colorref kGreen = 0x00FF00;
inline constexpr Colorref kBlue = 0xFF0000;
inline constexpr Colorref kWhite = 0xFFFFFF;
inline constexpr Colorref kBlack = 0x000000;

// Passed to VectorImage::draw for a pen or brush, it means "the image's own colour".
inline constexpr Colorref kOwnColor = 0xFFFFFFFFu;

constexpr Colorref rgb(int r, int g, int b) {
  return static_cast<Colorref>(r & 0xFF) | (static_cast<Colorref>(g & 0xFF) << 8) |
         (static_cast<Colorref>(b & 0xFF) << 16);
}
constexpr int redOf(Colorref c) { return static_cast<int>(c & 0xFF); }
constexpr int greenOf(Colorref c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blueOf(Colorref c) { return static_cast<int>((c >> 16) & 0xFF); }
