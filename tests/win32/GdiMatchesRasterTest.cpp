// The Linux build draws with RasterCanvas, which promises GDI's pixels. Here real GDI (Windows, or
// Wine's implementation of it, which Wine checks against Windows pixel for pixel) draws the same
// calls, and every pixel must agree: shapes, lines, outlines without fill, fills without outline,
// the viewport origin, clipping, and whole frames of the game with the text left out (the two
// fonts are different on purpose).
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <sstream>
#include <vector>

#include "DibSurface.h"
#include "GdiCanvas.h"
#include "RasterCanvas.h"
#include "ScriptedPlay.h"
#include "game/World.h"
#include "shell/UpdateBridge.h"

namespace {

using Drawing = std::function<void(Canvas&)>;

// Draws every call but text into two canvases.
class TextlessTee final : public Canvas {
 public:
  TextlessTee(Canvas& first, Canvas& second) : first_(first), second_(second) {}
  void polygon(std::span<const Point> p, OptionalColor pen, OptionalColor brush) override {
    first_.polygon(p, pen, brush);
    second_.polygon(p, pen, brush);
  }
  void rectangle(int l, int t, int r, int b, OptionalColor pen, OptionalColor brush) override {
    first_.rectangle(l, t, r, b, pen, brush);
    second_.rectangle(l, t, r, b, pen, brush);
  }
  void line(Point from, Point to, Colorref pen) override {
    first_.line(from, to, pen);
    second_.line(from, to, pen);
  }
  void text(int, int, std::string_view, Colorref) override {}
  void setViewportOrigin(int x, int y) override {
    first_.setViewportOrigin(x, y);
    second_.setViewportOrigin(x, y);
  }

 private:
  Canvas& first_;
  Canvas& second_;
};

// The pixels where the two disagree, described for the failure message; empty when they agree.
std::string differences(const DibSurface& gdi, const RasterCanvas& raster) {
  std::ostringstream out;
  int count = 0;
  for (int y = 0; y < gdi.height(); ++y) {
    for (int x = 0; x < gdi.width(); ++x) {
      const Colorref expected = gdi.pixelAt(x, y);
      const Colorref actual = raster.pixelAt(x, y);
      if (expected == actual) continue;
      if (++count <= 12) {
        out << " (" << x << "," << y << ") gdi " << std::hex << expected << " raster " << actual
            << std::dec;
      }
    }
  }
  if (count == 0) return {};
  return std::to_string(count) + " pixels differ:" + out.str();
}

std::string drawBoth(int width, int height, const Drawing& drawing) {
  const DibSurface gdi(width, height);
  GdiCanvas gdiCanvas(gdi.dc());
  drawing(gdiCanvas);
  RasterCanvas raster(width, height);
  drawing(raster);
  return differences(gdi, raster);
}

constexpr Colorref kGreen = 0x00FF00;
constexpr Colorref kRed = 0x0000FF;
constexpr Colorref kBlue = 0xFF0000;

std::vector<Point> regularStar(Point centre, double radius, int points, int step, double turn) {
  std::vector<Point> star;
  for (int i = 0; i < points; ++i) {
    const double angle = turn + 6.28318 * ((i * step) % points) / points;
    star.push_back({centre.x + static_cast<int>(radius * std::cos(angle)),
                    centre.y + static_cast<int>(radius * std::sin(angle))});
  }
  return star;
}

const std::vector<std::pair<OptionalColor, OptionalColor>> kPenAndBrush = {
    {kGreen, kRed}, {std::nullopt, kRed}, {kGreen, std::nullopt}};

TEST(GdiMatchesRaster, PolygonsWithStraightEdges) {
  const std::array<Point, 4> box = {{{5, 5}, {60, 5}, {60, 40}, {5, 40}}};
  const std::array<Point, 6> ell = {{{70, 5}, {120, 5}, {120, 20}, {90, 20}, {90, 50}, {70, 50}}};
  // Two boxes through one outline that crosses itself: the overlap is outside (alternate rule).
  const std::array<Point, 8> crossing = {
      {{10, 60}, {60, 60}, {60, 100}, {30, 100}, {30, 80}, {80, 80}, {80, 120}, {10, 120}}};
  const std::array<Point, 2> sliver = {{{100, 70}, {150, 70}}};
  const std::array<Point, 4> flat = {{{100, 130}, {180, 130}, {140, 130}, {100, 130}}};
  for (const auto& [pen, brush] : kPenAndBrush) {
    SCOPED_TRACE(::testing::Message()
                 << "pen " << pen.has_value() << " brush " << brush.has_value());
    EXPECT_EQ(drawBoth(200, 200,
                       [&](Canvas& c) {
                         c.polygon(box, pen, brush);
                         c.polygon(ell, pen, brush);
                         c.polygon(crossing, pen, brush);
                         c.polygon(sliver, pen, brush);
                         c.polygon(flat, pen, brush);
                       }),
              "");
  }
}

TEST(GdiMatchesRaster, PolygonsWithSlantedEdges) {
  const std::array<Point, 3> triangle = {{{5, 5}, {60, 12}, {20, 50}}};
  const std::array<Point, 6> concave = {
      {{70, 5}, {120, 5}, {120, 50}, {95, 20}, {70, 50}, {80, 25}}};
  const std::vector<Point> pentagram = regularStar({60, 110}, 45, 5, 2, -1.570795);
  const std::vector<Point> heptagram = regularStar({160, 110}, 40, 7, 3, 0.3);
  for (const auto& [pen, brush] : kPenAndBrush) {
    SCOPED_TRACE(::testing::Message()
                 << "pen " << pen.has_value() << " brush " << brush.has_value());
    EXPECT_EQ(drawBoth(200, 200,
                       [&](Canvas& c) {
                         c.polygon(triangle, pen, brush);
                         c.polygon(concave, pen, brush);
                         c.polygon(pentagram, pen, brush);
                         c.polygon(heptagram, pen, brush);
                       }),
              "");
  }
}

TEST(GdiMatchesRaster, Rectangles) {
  EXPECT_EQ(drawBoth(120, 120,
                     [](Canvas& c) {
                       c.rectangle(5, 5, 40, 30, kGreen, kRed);
                       c.rectangle(50, 5, 90, 30, std::nullopt, kRed);  // one pixel smaller
                       c.rectangle(5, 40, 40, 70, kGreen, std::nullopt);
                       c.rectangle(60, 40, 60, 60, kGreen, kRed);     // no width
                       c.rectangle(-10, 80, 20, 130, kBlue, kGreen);  // clipped
                     }),
            "");
}

TEST(GdiMatchesRaster, LinesInEveryDirection) {
  EXPECT_EQ(drawBoth(200, 200,
                     [](Canvas& c) {
                       for (int i = 0; i < 64; ++i) {
                         const double a = i * 6.28318 / 64;
                         c.line({100, 100},
                                {100 + static_cast<int>(90 * std::cos(a)),
                                 100 + static_cast<int>(90 * std::sin(a))},
                                rgb(4 * i, 255 - 4 * i, 128));
                       }
                       c.line({3, 3}, {3, 3}, kRed);            // no length: nothing
                       c.line({-50, 190}, {250, 170}, kGreen);  // clipped at both ends
                     }),
            "");
}

TEST(GdiMatchesRaster, ViewportOriginShiftsLaterCallsOnly) {
  EXPECT_EQ(drawBoth(120, 120,
                     [](Canvas& c) {
                       const std::array<Point, 4> box = {{{0, 0}, {30, 0}, {30, 25}, {0, 25}}};
                       c.polygon(box, kGreen, kRed);
                       c.setViewportOrigin(40, 50);
                       c.polygon(box, kGreen, kRed);
                       c.rectangle(0, 0, 20, 20, kBlue, std::nullopt);
                       c.line({0, 0}, {50, 30}, kGreen);
                       c.setViewportOrigin(0, 0);
                       c.rectangle(100, 100, 110, 110, kBlue, kGreen);
                     }),
            "");
}

// Whole frames: every sprite, laser, explosion, bomb flash and the heads-up display, minus text.
TEST(GdiMatchesRaster, GameFramesWithoutText) {
  ScriptedPlay play;
  World world;
  world.input.setSource(&play);
  world.invincible = true;
  world.UB.newgame();
  for (int frame = 0; frame < 1500; ++frame) {
    play.setFrame(frame);
    world.windowfront = true;
    const int w = world.rc.right;
    const int h = world.rc.bottom;
    if (frame % 50 != 49) {  // most frames only move the game on
      RasterCanvas skipped(1, 1);
      update(world, skipped);
      continue;
    }
    // One update draws the frame into both canvases at once.
    const DibSurface gdi(w, h);
    GdiCanvas gdiCanvas(gdi.dc());
    RasterCanvas raster(w, h);
    TextlessTee both(gdiCanvas, raster);
    update(world, both);
    EXPECT_EQ(differences(gdi, raster), "") << "frame " << frame;
  }
}

}  // namespace
