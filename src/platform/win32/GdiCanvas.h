#pragma once

#include <windows.h>

#include <vector>

#include "graphics/Canvas.h"

// Draws a frame with GDI into a device context. Every call creates the pen and brush it needs,
// selects them, draws, selects back what was there before and deletes them, so a frame leaves no
// GDI object behind and nothing selected by one call shows in the next.
class GdiCanvas final : public Canvas {
 public:
  explicit GdiCanvas(HDC dc) : dc_(dc) {}

  void polygon(std::span<const Point> points, OptionalColor pen, OptionalColor brush) override;
  void rectangle(int left, int top, int right, int bottom, OptionalColor pen,
                 OptionalColor brush) override;
  void line(Point from, Point to, Colorref pen) override;
  void text(int x, int y, std::string_view text, Colorref color) override;
  void setViewportOrigin(int x, int y) override;

 private:
  HDC dc_;
  std::vector<POINT> scratch_;  // the polygon's points in GDI's type, reused between calls
};
