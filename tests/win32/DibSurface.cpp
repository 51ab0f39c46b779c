#include "DibSurface.h"

DibSurface::DibSurface(int width, int height)
    : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bits_ = static_cast<const std::uint32_t*>(bits);
  previous_ = SelectObject(dc_, bitmap_);
}

DibSurface::~DibSurface() {
  SelectObject(dc_, previous_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

Colorref DibSurface::pixelAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  GdiFlush();  // GDI may batch drawing into a DIB section
  const std::uint32_t value = bits_[y * width_ + x];
  return rgb((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}
