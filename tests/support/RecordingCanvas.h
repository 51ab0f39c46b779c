#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "graphics/Canvas.h"

// A Canvas that draws nothing and remembers every call in order, for tests that check what a frame
// draws, where, and in which colours.
struct DrawCall {
  enum class Kind { Polygon, Rectangle, Line, Text, Origin };

  Kind kind = Kind::Polygon;
  // Polygon: its points. Rectangle: (left, top), (right, bottom). Line: from, to.
  // Text: its top-left corner. Origin: the new viewport origin.
  std::vector<Point> points;
  OptionalColor pen;    // polygon, rectangle, line
  OptionalColor brush;  // polygon, rectangle
  std::string text;     // text
  Colorref colour = 0;  // text colour; the pen for a line
  Point origin;         // the viewport origin in effect for this call (before it, for Origin)
};

class RecordingCanvas : public Canvas {
 public:
  using Kind = DrawCall::Kind;

  void polygon(std::span<const Point> points, OptionalColor pen, OptionalColor brush) override {
    DrawCall call = make(Kind::Polygon);
    call.points.assign(points.begin(), points.end());
    call.pen = pen;
    call.brush = brush;
    calls.push_back(std::move(call));
  }

  void rectangle(int left, int top, int right, int bottom, OptionalColor pen,
                 OptionalColor brush) override {
    DrawCall call = make(Kind::Rectangle);
    call.points = {{left, top}, {right, bottom}};
    call.pen = pen;
    call.brush = brush;
    calls.push_back(std::move(call));
  }

  void line(Point from, Point to, Colorref pen) override {
    DrawCall call = make(Kind::Line);
    call.points = {from, to};
    call.pen = pen;
    call.colour = pen;
    calls.push_back(std::move(call));
  }

  void text(int x, int y, std::string_view text, Colorref color) override {
    DrawCall call = make(Kind::Text);
    call.points = {{x, y}};
    call.text = std::string(text);
    call.colour = color;
    calls.push_back(std::move(call));
  }

  void setViewportOrigin(int x, int y) override {
    DrawCall call = make(Kind::Origin);
    call.points = {{x, y}};
    calls.push_back(std::move(call));
    origin_ = {x, y};
  }

  // Forgets the calls; the viewport origin stays as it is, as on a real surface.
  void clear() { calls.clear(); }

  std::vector<DrawCall> ofKind(Kind kind) const {
    std::vector<DrawCall> found;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(found),
                 [kind](const DrawCall& call) { return call.kind == kind; });
    return found;
  }

  std::size_t count(Kind kind) const {
    return static_cast<std::size_t>(std::count_if(
        calls.begin(), calls.end(), [kind](const DrawCall& call) { return call.kind == kind; }));
  }

  // The first text call with exactly this text, or null.
  const DrawCall* findText(std::string_view wanted) const {
    auto it = std::find_if(calls.begin(), calls.end(), [wanted](const DrawCall& call) {
      return call.kind == Kind::Text && call.text == wanted;
    });
    return it == calls.end() ? nullptr : &*it;
  }

  std::vector<DrawCall> calls;

 private:
  DrawCall make(Kind kind) const {
    DrawCall call;
    call.kind = kind;
    call.origin = origin_;
    return call;
  }

  Point origin_;
};
