#pragma once

#include <algorithm>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "graphics/Canvas.h"

// One drawing call: a polygon's points; a rectangle's (left, top), (right, bottom); a line's ends;
// a text's top-left corner.
struct DrawCall {
  enum class Kind { Polygon, Rectangle, Line, Text };

  Kind kind = Kind::Polygon;
  std::vector<Point> points;
  OptionalColor pen;    // polygon, rectangle, line
  OptionalColor brush;  // polygon, rectangle
  std::string text;
  Colorref colour = 0;  // a text's colour
};

// A Canvas that draws nothing and remembers every call in order, for tests that check what a frame
// draws, where, and in which colours.
class RecordingCanvas : public Canvas {
 public:
  void polygon(std::span<const Point> points, OptionalColor pen, OptionalColor brush) override {
    calls.push_back({DrawCall::Kind::Polygon, {points.begin(), points.end()}, pen, brush, {}, 0});
  }
  void rectangle(int left, int top, int right, int bottom, OptionalColor pen,
                 OptionalColor brush) override {
    calls.push_back({DrawCall::Kind::Rectangle, {{left, top}, {right, bottom}}, pen, brush, {}, 0});
  }
  void line(Point from, Point to, Colorref pen) override {
    calls.push_back({DrawCall::Kind::Line, {from, to}, pen, std::nullopt, {}, pen});
  }
  void text(int x, int y, std::string_view text, Colorref color) override {
    calls.push_back(
        {DrawCall::Kind::Text, {{x, y}}, std::nullopt, std::nullopt, std::string(text), color});
  }
  void setViewportOrigin(int, int) override {}

  void clear() { calls.clear(); }

  std::vector<DrawCall> ofKind(DrawCall::Kind kind) const {
    std::vector<DrawCall> found;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(found),
                 [kind](const DrawCall& call) { return call.kind == kind; });
    return found;
  }

  // The first text call with exactly this text, or null.
  const DrawCall* findText(std::string_view wanted) const {
    auto it = std::find_if(calls.begin(), calls.end(), [wanted](const DrawCall& call) {
      return call.kind == DrawCall::Kind::Text && call.text == wanted;
    });
    return it == calls.end() ? nullptr : &*it;
  }

  std::vector<DrawCall> calls;
};
