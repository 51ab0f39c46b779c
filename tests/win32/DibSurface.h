#pragma once

#include <windows.h>

#include <cstdint>

#include "graphics/Color.h"

// A memory device context drawing into a 32-bit top-down DIB section, readable pixel by pixel.
// All black at the start, like a fresh compatible bitmap.
class DibSurface {
 public:
  DibSurface(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<const std::uint32_t*>(bits);
    previous_ = SelectObject(dc_, bitmap_);
  }
  ~DibSurface() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  DibSurface(const DibSurface&) = delete;
  DibSurface& operator=(const DibSurface&) = delete;

  HDC dc() const { return dc_; }
  int width() const { return width_; }
  int height() const { return height_; }
  // The colour at (x, y) as a Colorref (0x00BBGGRR).
  Colorref pixelAt(int x, int y) const {
    GdiFlush();  // GDI may batch drawing into a DIB section
    const std::uint32_t value = bits_[y * width_ + x];
    return rgb((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
  }

 private:
  int width_;
  int height_;
  HDC dc_ = CreateCompatibleDC(nullptr);
  HBITMAP bitmap_;
  HGDIOBJ previous_;
  const std::uint32_t* bits_ = nullptr;  // 0x00RRGGBB per pixel
};
