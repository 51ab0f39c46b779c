#pragma once

#include <windows.h>

#include <cstdint>

#include "graphics/Color.h"

// A memory device context drawing into a 32-bit top-down DIB section, readable pixel by pixel.
// All black at the start, like a fresh compatible bitmap.
class DibSurface {
 public:
  DibSurface(int width, int height);
  ~DibSurface();
  DibSurface(const DibSurface&) = delete;
  DibSurface& operator=(const DibSurface&) = delete;

  HDC dc() const { return dc_; }
  int width() const { return width_; }
  int height() const { return height_; }
  // The colour at (x, y) as a Colorref (0x00BBGGRR).
  Colorref pixelAt(int x, int y) const;

 private:
  int width_;
  int height_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ previous_;
  const std::uint32_t* bits_ = nullptr;  // 0x00RRGGBB per pixel
};
