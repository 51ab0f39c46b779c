#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "graphics/Canvas.h"

// A canvas that keeps a frame's drawing calls, to replay them later into another canvas: so that
// the game's update and the drawing of its picture can be timed apart.
class DrawList : public Canvas {
 public:
  void polygon(std::span<const Point> points, OptionalColor pen, OptionalColor brush) override {
    calls_.push_back({Kind::Polygon, {points.begin(), points.end()}, pen, brush, {}});
  }
  void rectangle(int l, int t, int r, int b, OptionalColor pen, OptionalColor brush) override {
    calls_.push_back({Kind::Rectangle, {{l, t}, {r, b}}, pen, brush, {}});
  }
  void line(Point from, Point to, Colorref pen) override {
    calls_.push_back({Kind::Line, {from, to}, pen, std::nullopt, {}});
  }
  void text(int x, int y, std::string_view text, Colorref color) override {
    calls_.push_back({Kind::Text, {{x, y}}, color, std::nullopt, std::string(text)});
  }
  void setViewportOrigin(int x, int y) override {
    calls_.push_back({Kind::Origin, {{x, y}}, std::nullopt, std::nullopt, {}});
  }
  void clear() { calls_.clear(); }

  void replay(Canvas& canvas) const {
    for (const Call& c : calls_) {
      switch (c.kind) {
        case Kind::Polygon: canvas.polygon(c.points, c.pen, c.brush); break;
        case Kind::Rectangle:
          canvas.rectangle(c.points[0].x, c.points[0].y, c.points[1].x, c.points[1].y, c.pen,
                           c.brush);
          break;
        case Kind::Line: canvas.line(c.points[0], c.points[1], *c.pen); break;
        case Kind::Text: canvas.text(c.points[0].x, c.points[0].y, c.text, *c.pen); break;
        case Kind::Origin: canvas.setViewportOrigin(c.points[0].x, c.points[0].y); break;
      }
    }
  }
  std::size_t size() const { return calls_.size(); }

 private:
  enum class Kind { Polygon, Rectangle, Line, Text, Origin };
  struct Call {
    Kind kind;
    std::vector<Point> points;
    OptionalColor pen;
    OptionalColor brush;
    std::string text;
  };
  std::vector<Call> calls_;
};
