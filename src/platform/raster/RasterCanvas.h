#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "BitmapFont.h"
#include "graphics/Canvas.h"

// Software renderer that draws pixel for pixel what Windows GDI draws for the same calls, so the
// Linux build of the game looks like the Windows one:
//  - polygon: even-odd interior, a pixel in when its top-left corner (the point (x, y)) is inside,
//    with corners on left and top edges in and on right and bottom edges out, so each scanline
//    span is half-open; then the pen outline, every segment a GDI line without its last pixel;
//  - rectangle(l, t, r, b): with a pen, outline plus fill cover columns l..r-1 and rows t..b-1
//    (a 1 x 1 box draws nothing, its outline having no length); without a pen the fill is one
//    pixel smaller to the right and bottom;
//  - line: Bresenham with GDI's tie rule (a minor coordinate halfway between two pixels takes the
//    smaller one, whichever way the line runs), the end point left out;
//  - text: the built-in bitmap font, top-left of the cell at (x, y), glyph pixels only.
// Any coordinates are accepted: everything is clipped to the buffer, in 64-bit arithmetic, without
// walking the off-screen part of a shape.
class RasterCanvas final : public Canvas {
 public:
  // A width x height surface, every pixel black. Negative sizes count as 0.
  RasterCanvas(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }

  // width() * height() pixels, row-major from the top-left, each 0x00RRGGBB (the layout of an SDL
  // ARGB8888 texture and of a PNG row once split into bytes) -- not the 0x00BBGGRR of Colorref.
  const std::uint32_t* pixels() const { return pixels_.data(); }

  // The colour at (x, y) as a Colorref (0x00BBGGRR); 0 (black) outside the surface.
  std::uint32_t pixelAt(int x, int y) const;

  // Every pixel black and the viewport origin back at (0, 0).
  void clear();
  // Every pixel at a quarter of its brightness, the viewport origin kept: a picture put in the
  // background (the paused game).
  void dim();
  // A new width x height surface, every pixel black, viewport origin at (0, 0).
  void resize(int width, int height);

  void polygon(std::span<const Point> points, OptionalColor pen, OptionalColor brush) override;
  void rectangle(int left, int top, int right, int bottom, OptionalColor pen,
                 OptionalColor brush) override;
  void line(Point from, Point to, Colorref pen) override;
  void text(int x, int y, std::string_view text, Colorref color) override;
  void setViewportOrigin(int x, int y) override;

 private:
  // One non-horizontal polygon edge, stepped down the scanlines it crosses. `x` is the first pixel
  // whose corner lies at or right of the edge on the current scanline; `rem` is the remainder of
  // that division by `den`, kept so the stepping stays exact.
  struct Edge {
    std::int64_t firstRow = 0;  // first scanline on the surface
    std::int64_t endRow = 0;    // one past the last one
    std::int64_t x = 0;
    std::int64_t rem = 0;
    std::int64_t den = 0;
    std::int64_t stepX = 0;
    std::int64_t stepRem = 0;
  };

  void drawClippedGlyph(const bitmap_font::Glyph& glyph, std::int64_t left, std::int64_t top,
                        std::uint32_t pixel);
  // fillSmallPolygon: polygons narrower than kMaskBits and at most kMaxMaskRows tall, whose edges
  // step kEdgeRowsPerRound rows per round of fixed code.
  static constexpr int kMaskBits = 64;
  static constexpr int kMaxMaskRows = 1023;
  static constexpr int kEdgeRowsPerRound = 4;

  void fillSmallPolygon(std::span<const Point> points, std::int64_t left, std::int64_t top,
                        std::int64_t rows, std::uint32_t pixel);
  void fillPolygon(std::span<const Point> points, std::uint32_t pixel);
  bool fillMonotonePolygon(std::span<const Point> points, std::uint32_t pixel);
  // Sets up the edge from (xa, ya) to (xb, yb) at its first scanline on the surface; false when it
  // crosses none.
  bool makeEdge(std::int64_t xa, std::int64_t ya, std::int64_t xb, std::int64_t yb,
                Edge& edge) const;
  // GDI line from (xa, ya) towards (xb, yb), the last pixel left out; coordinates already shifted.
  void drawSegment(std::int64_t xa, std::int64_t ya, std::int64_t xb, std::int64_t yb,
                   std::uint32_t pixel);
  void drawSegmentOnSurface(std::int64_t xa, std::int64_t ya, std::int64_t xb, std::int64_t yb,
                            std::uint32_t pixel);
  // Segments of up to kShortSegment pixels are drawn from shortSegments_ (see listShortSegments).
  static constexpr int kShortSegment = 8;
  void listShortSegments();
  // Fills columns [left, right) x rows [top, bottom), clipped; coordinates already shifted.
  void fillBox(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
               std::uint32_t pixel);

  int width_ = 0;
  int height_ = 0;
  std::int64_t originX_ = 0;
  std::int64_t originY_ = 0;
  std::vector<std::uint32_t> pixels_;
  // Scratch space of polygon(), kept between calls so drawing does not allocate.
  std::vector<Edge> edges_;
  std::vector<std::int64_t> rowSlots_;
  std::vector<std::int64_t> crossings_;
  // One mask per row of fillSmallPolygon, and kEdgeRowsPerRound more that the last round of an edge
  // may touch; all zero between calls.
  std::vector<std::uint64_t> rowMasks_;
  std::vector<std::int32_t> shortSegments_;
};
