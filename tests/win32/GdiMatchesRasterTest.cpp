// The Linux build draws with RasterCanvas, which promises GDI's pixels. Here real GDI (Windows, or
// Wine's, which Wine checks against Windows pixel for pixel) draws the same calls, text aside (the
// fonts differ on purpose), and every pixel must agree.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <sstream>
#include <utility>
#include <vector>

#include "BusiestFrame.h"
#include "DibSurface.h"
#include "GdiCanvas.h"
#include "RasterCanvas.h"
#include "ScriptedPlay.h"
#include "game/PlayField.h"
#include "shell/Session.h"

namespace {

// A GDI surface and a RasterCanvas of one size; every call but text is drawn into both.
class BothCanvases final : public Canvas {
 public:
  BothCanvases(int width, int height)
      : dib_(width, height), gdi_(dib_.dc()), raster_(width, height) {}
  void polygon(std::span<const Point> p, OptionalColor pen, OptionalColor brush) override {
    for (Canvas* c : all_) c->polygon(p, pen, brush);
  }
  void rectangle(int l, int t, int r, int b, OptionalColor pen, OptionalColor brush) override {
    for (Canvas* c : all_) c->rectangle(l, t, r, b, pen, brush);
  }
  void line(Point a, Point b, Colorref pen) override {
    for (Canvas* c : all_) c->line(a, b, pen);
  }
  void setViewportOrigin(int x, int y) override {
    for (Canvas* c : all_) c->setViewportOrigin(x, y);
  }
  void text(int, int, std::string_view, Colorref) override {}

  // The pixels where the two disagree, described for the failure message; empty when they agree.
  std::string differences() const {
    std::ostringstream out;
    int count = 0;
    for (int y = 0; y < dib_.height(); ++y) {
      for (int x = 0; x < dib_.width(); ++x) {
        const Colorref gdi = dib_.pixelAt(x, y);
        const Colorref raster = raster_.pixelAt(x, y);
        if (gdi != raster && ++count <= 12) {
          out << " (" << x << "," << y << ") gdi " << std::hex << gdi << " raster " << raster
              << std::dec;
        }
      }
    }
    return count == 0 ? "" : std::to_string(count) + " pixels differ:" + out.str();
  }

 private:
  DibSurface dib_;
  GdiCanvas gdi_;
  RasterCanvas raster_;
  const std::array<Canvas*, 2> all_ = {&gdi_, &raster_};
};

using Shapes = std::vector<std::vector<Point>>;

const Shapes kStraightEdged = {
    {{5, 5}, {60, 5}, {60, 40}, {5, 40}},
    {{70, 5}, {120, 5}, {120, 20}, {90, 20}, {90, 50}, {70, 50}},
    // Two boxes through one outline that crosses itself: the overlap is outside (alternate rule).
    {{10, 60}, {60, 60}, {60, 100}, {30, 100}, {30, 80}, {80, 80}, {80, 120}, {10, 120}},
    {{100, 70}, {150, 70}},                            // a sliver of two points
    {{100, 130}, {180, 130}, {140, 130}, {100, 130}},  // flat
};
const Shapes kSlanted = {
    {{5, 5}, {60, 12}, {20, 50}},
    {{70, 5}, {120, 5}, {120, 50}, {95, 20}, {70, 50}, {80, 25}},
    // A pentagram and a heptagram: outlines that cross themselves, with edges at many slopes.
    {{60, 66}, {86, 146}, {18, 97}, {102, 97}, {34, 146}},
    {{198, 121}, {121, 115}, {193, 88}, {140, 144}, {163, 71}, {174, 147}, {131, 83}},
};

// The shapes side by side three times over: outlined and filled, filled only, outlined only.
void drawThreeWays(Canvas& c, const Shapes& shapes) {
  const std::pair<OptionalColor, OptionalColor> ways[] = {
      {kGreen, kRed}, {std::nullopt, kRed}, {kGreen, std::nullopt}};
  for (int i = 0; i < 3; ++i) {
    c.setViewportOrigin(210 * i, 0);
    for (const auto& shape : shapes) c.polygon(shape, ways[i].first, ways[i].second);
  }
}

TEST(GdiMatchesRaster, ShapesAndLines) {
  const std::pair<const char*, std::function<void(Canvas&)>> scenes[] = {
      {"straight-edged polygons", [](Canvas& c) { drawThreeWays(c, kStraightEdged); }},
      {"slanted polygons", [](Canvas& c) { drawThreeWays(c, kSlanted); }},
      {"rectangles",
       [](Canvas& c) {
         for (const int x : {0, 300}) {  // the second time through a moved viewport origin
           c.setViewportOrigin(x, 10);
           c.rectangle(5, 5, 40, 30, kGreen, kRed);
           c.rectangle(50, 5, 90, 30, std::nullopt, kRed);  // one pixel smaller
           c.rectangle(5, 40, 40, 70, kGreen, std::nullopt);
           c.rectangle(60, 40, 60, 60, kGreen, kRed);  // no width
           c.rectangle(70, 40, 71, 41, kGreen, kRed);  // 1 x 1
           c.rectangle(75, 40, 76, 41, std::nullopt, kRed);
           c.rectangle(-10, 80, 20, 230, kBlue, kGreen);  // clipped
         }
       }},
      {"lines",
       [](Canvas& c) {
         c.line({3, 3}, {3, 3}, kRed);            // no length: nothing
         c.line({-50, 190}, {700, 170}, kGreen);  // clipped at both ends
         c.setViewportOrigin(100, 100);
         for (int i = 0; i < 64; ++i) {
           const double a = i * 6.28318 / 64;
           c.line({0, 0}, {static_cast<int>(90 * std::cos(a)), static_cast<int>(90 * std::sin(a))},
                  rgb(4 * i, 255 - 4 * i, 128));
         }
       }},
  };
  for (const auto& [scene, draw] : scenes) {
    BothCanvases both(630, 200);
    draw(both);
    EXPECT_EQ(both.differences(), "") << scene;
  }
}

// Whole frames: every sprite, laser, explosion, bomb flash and the heads-up display, minus text.
TEST(GdiMatchesRaster, GameFramesWithoutText) {
  ScriptedPlay play;
  Session session;
  World& world = session.world;
  world.input.setSource(&play);
  world.invincible = true;
  world.UB->newgame();
  RasterCanvas unseen(1, 1);  // most frames only move the game on
  for (int frame = 0; frame < 1500; ++frame) {
    play.setFrame(frame);
    world.windowfront = true;
    if (frame % 50 != 49) {
      update(session, unseen);
      continue;
    }
    BothCanvases both(world.rc.right, world.rc.bottom);
    update(session, both);
    EXPECT_EQ(both.differences(), "") << "frame " << frame;
  }
}

// What the default program and --gdi draw for the busiest frame of each level's golden replay.
TEST(GdiMatchesRaster, BusiestFrameOfEachLevel) {
  for (int level = 1; level <= 5; ++level) {
    const FrameRecording frame = busiestFrameOfLevel(level);
    ASSERT_GT(frame.calls(), 50u) << "level " << level << ": no fight recorded";
    BothCanvases both(kFieldWidth, kFieldHeight);
    frame.drawInto(both);
    EXPECT_EQ(both.differences(), "") << "level " << level;
  }
}

}  // namespace
