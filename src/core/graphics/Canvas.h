#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "graphics/Color.h"

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// A pen or brush colour, or none (no outline / no fill).
using OptionalColor = std::optional<Colorref>;

// The drawing surface of one frame. Every call carries its own pen and brush, so nothing selected
// by one drawing leaks into the next. All coordinates are whole client pixels, already truncated
// toward zero by the caller, and every call is shifted by the current viewport origin.
class Canvas {
 public:
  virtual ~Canvas() = default;

  // Closed polygon through the points: interior by the alternate (even-odd) rule, filled with the
  // brush, then a 1-pixel outline with the pen.
  virtual void polygon(std::span<const Point> points, OptionalColor pen, OptionalColor brush) = 0;

  // Box from (left, top) to (right, bottom), outlined and filled like a polygon.
  virtual void rectangle(int left, int top, int right, int bottom, OptionalColor pen,
                         OptionalColor brush) = 0;

  // Line of the pen from `from` to `to`, the end point itself not drawn.
  virtual void line(Point from, Point to, Colorref pen) = 0;

  // Text with its top-left corner at (x, y), transparent background, in the surface's one font.
  virtual void text(int x, int y, std::string_view text, Colorref color) = 0;

  // Shifts every later call by (x, y) until set back to (0, 0).
  virtual void setViewportOrigin(int x, int y) = 0;
};
