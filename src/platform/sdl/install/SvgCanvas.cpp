#include "SvgCanvas.h"

#include <array>
#include <cstdio>

namespace {

std::string paint(OptionalColor color) {
  if (!color) return "none";
  std::array<char, 8> hex{};
  std::snprintf(hex.data(), hex.size(), "#%02x%02x%02x", redOf(*color), greenOf(*color),
                blueOf(*color));
  return hex.data();
}

}  // namespace

SvgCanvas::SvgCanvas(int width, int height) : width_(width), height_(height) {}

void SvgCanvas::path(std::span<const Point> points, bool closed, OptionalColor pen,
                     OptionalColor brush) {
  if (points.empty()) return;
  std::string d;
  for (const Point& p : points) {
    d += d.empty() ? "M" : " L";
    d += std::to_string(p.x + origin_.x) + ' ' + std::to_string(p.y + origin_.y);
  }
  if (closed) d += " Z";
  // Even-odd filling, as the canvas's polygons are filled.
  shapes_ += "  <path d=\"" + d + "\" fill=\"" + paint(brush) +
             "\" fill-rule=\"evenodd\" stroke=\"" + paint(pen) + "\"/>\n";
}

void SvgCanvas::polygon(std::span<const Point> points, OptionalColor pen, OptionalColor brush) {
  path(points, true, pen, brush);
}

void SvgCanvas::rectangle(int left, int top, int right, int bottom, OptionalColor pen,
                          OptionalColor brush) {
  // The canvas's rectangle leaves out its right and bottom edges.
  const std::array<Point, 4> corners = {
      {{left, top}, {right - 1, top}, {right - 1, bottom - 1}, {left, bottom - 1}}};
  path(corners, true, pen, brush);
}

void SvgCanvas::line(Point from, Point to, Colorref pen) {
  const std::array<Point, 2> ends = {from, to};
  path(ends, false, pen, std::nullopt);
}

void SvgCanvas::text(int, int, std::string_view, Colorref) {}

void SvgCanvas::setViewportOrigin(int x, int y) { origin_ = {x, y}; }

std::string SvgCanvas::document() const {
  const std::string w = std::to_string(width_);
  const std::string h = std::to_string(height_);
  // Pixel (x, y) covers x to x + 1: shapes through pixel centres.
  return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w + "\" height=\"" + h +
         "\" viewBox=\"0 0 " + w + ' ' + h + "\">\n <g transform=\"translate(0.5 0.5)\">\n" +
         shapes_ + " </g>\n</svg>\n";
}
