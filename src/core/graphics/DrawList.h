#pragma once

#include <cstdint>
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
    add(Kind::Polygon, points, pen, brush);
  }
  void rectangle(int l, int t, int r, int b, OptionalColor pen, OptionalColor brush) override {
    const Point corners[] = {{l, t}, {r, b}};
    add(Kind::Rectangle, corners, pen, brush);
  }
  void line(Point from, Point to, Colorref pen) override {
    const Point ends[] = {from, to};
    add(Kind::Line, ends, pen, std::nullopt);
  }
  void text(int x, int y, std::string_view text, Colorref color) override {
    const Point corner[] = {{x, y}};
    add(Kind::Text, corner, color, std::nullopt);
    calls_.back().text = std::string(text);
  }
  void setViewportOrigin(int x, int y) override {
    const Point origin[] = {{x, y}};
    add(Kind::Origin, origin, std::nullopt, std::nullopt);
  }
  // Forgets the calls but keeps the room they took, so a frame like the last allocates nothing.
  void clear() {
    calls_.clear();
    points_.clear();
  }

  void replay(Canvas& canvas) const {
    for (const Call& c : calls_) {
      const std::span<const Point> p(points_.data() + c.first, c.count);
      switch (c.kind) {
        case Kind::Polygon: canvas.polygon(p, c.pen, c.brush); break;
        case Kind::Rectangle:
          canvas.rectangle(p[0].x, p[0].y, p[1].x, p[1].y, c.pen, c.brush);
          break;
        case Kind::Line: canvas.line(p[0], p[1], *c.pen); break;
        case Kind::Text: canvas.text(p[0].x, p[0].y, c.text, *c.pen); break;
        case Kind::Origin: canvas.setViewportOrigin(p[0].x, p[0].y); break;
      }
    }
  }
  std::size_t size() const { return calls_.size(); }

  // Folds every call, with its points, colours and text, into a running 64-bit FNV-1a hash: two
  // frames drawn alike give the same value, and a shape one pixel off or a colour changed another.
  std::uint64_t fingerprint(std::uint64_t hash) const {
    const auto fold = [&hash](std::uint64_t value) {
      for (int i = 0; i < 8; ++i, value >>= 8) hash = (hash ^ (value & 0xFF)) * 0x100000001B3ULL;
    };
    const auto foldColor = [&fold](OptionalColor color) { fold(color ? *color : 0x100000000ULL); };
    for (const Call& c : calls_) {
      fold(static_cast<std::uint64_t>(c.kind));
      for (std::size_t i = c.first; i < c.first + c.count; ++i) {
        fold(static_cast<std::uint32_t>(points_[i].x));
        fold(static_cast<std::uint32_t>(points_[i].y));
      }
      foldColor(c.pen);
      foldColor(c.brush);
      for (char ch : c.text) fold(static_cast<unsigned char>(ch));
    }
    return hash;
  }

 private:
  enum class Kind { Polygon, Rectangle, Line, Text, Origin };
  struct Call {
    Kind kind;
    std::size_t first;  // the call's points in points_
    std::size_t count;
    OptionalColor pen;
    OptionalColor brush;
    std::string text;
  };

  void add(Kind kind, std::span<const Point> points, OptionalColor pen, OptionalColor brush) {
    calls_.push_back({kind, points_.size(), points.size(), pen, brush, {}});
    points_.insert(points_.end(), points.begin(), points.end());
  }

  std::vector<Call> calls_;
  std::vector<Point> points_;  // every call's points, one after another
};
