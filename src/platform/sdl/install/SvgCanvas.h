#pragma once

#include <string>

#include "graphics/Canvas.h"

// A Canvas that writes what is drawn on it as SVG shapes, one element per call, so a picture drawn
// from polygons keeps them as paths and scales to any size. Text is left out: the pictures drawn
// here (the icon) have none, and the game's bitmap font has no outline to give.
class SvgCanvas : public Canvas {
 public:
  SvgCanvas(int width, int height);

  void polygon(std::span<const Point> points, OptionalColor pen, OptionalColor brush) override;
  void rectangle(int left, int top, int right, int bottom, OptionalColor pen,
                 OptionalColor brush) override;
  void line(Point from, Point to, Colorref pen) override;
  void text(int x, int y, std::string_view text, Colorref color) override;
  void setViewportOrigin(int x, int y) override;

  // The whole document, with a transparent background.
  std::string document() const;

 private:
  void path(std::span<const Point> points, bool closed, OptionalColor pen, OptionalColor brush);

  int width_;
  int height_;
  Point origin_;
  std::string shapes_;
};
