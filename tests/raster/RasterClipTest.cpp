#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <vector>

#include "BitmapFont.h"
#include "RasterPicture.h"
#include "RasterReference.h"

namespace {

constexpr int kMin = INT_MIN;
constexpr int kMax = INT_MAX;

// The on-surface pixels of the whole, unclipped line, as a picture.
std::string referenceLine(int w, int h, Point a, Point b) {
  RasterCanvas expected(w, h);
  std::vector<Point> lit;
  const bool xMajor = std::llabs(std::int64_t{b.x} - a.x) > std::llabs(std::int64_t{b.y} - a.y);
  raster_reference::linePixels(a, b, 0, (xMajor ? w : h) - 1, [&](std::int64_t x, std::int64_t y) {
    if (x >= 0 && x < w && y >= 0 && y < h) {
      expected.line({static_cast<int>(x), static_cast<int>(y)},
                    {static_cast<int>(x) + 1, static_cast<int>(y)}, kPen);
    }
  });
  return picture(expected);
}

void expectLineMatchesReference(int w, int h, Point a, Point b) {
  RasterCanvas canvas(w, h);
  canvas.line(a, b, kPen);
  EXPECT_EQ(picture(canvas), referenceLine(w, h, a, b))
      << a.x << "," << a.y << " -> " << b.x << "," << b.y;
}

void expectPolygonMatchesReference(int w, int h, const std::vector<Point>& points) {
  RasterCanvas canvas(w, h);
  canvas.polygon(points, std::nullopt, kBrush);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      ASSERT_EQ(canvas.pixelAt(x, y) == kBrush, raster_reference::insidePolygon(points, x, y))
          << "pixel " << x << "," << y;
    }
  }
}

}  // namespace

TEST(RasterClipLine, LinesFromOffTheSurfaceKeepTheirOnScreenPixels) {
  std::mt19937 random(99);
  std::uniform_int_distribution<int> coordinate(-40, 55);
  for (int round = 0; round < 600; ++round) {
    expectLineMatchesReference(20, 15, {coordinate(random), coordinate(random)},
                               {coordinate(random), coordinate(random)});
  }
}

TEST(RasterClipLine, MillionPixelLinesAreClippedExactly) {
  expectLineMatchesReference(20, 15, {-1000000, -3}, {1000000, 17});
  expectLineMatchesReference(20, 15, {1000000, 16}, {-1000000, -4});
  expectLineMatchesReference(20, 15, {5, -1000000}, {12, 1000000});
  expectLineMatchesReference(20, 15, {-1000000, -1000000}, {1000001, 1000000});
  expectLineMatchesReference(20, 15, {999983, 7}, {-999979, 3});
}

TEST(RasterClipLine, AxisLinesJustOffEachEdgeDrawNothing) {
  RasterCanvas canvas(6, 5);
  canvas.line({-1, 0}, {-1, 5}, kPen);
  canvas.line({6, 5}, {6, -1}, kPen);
  canvas.line({0, -1}, {6, -1}, kPen);
  canvas.line({6, 5}, {-1, 5}, kPen);
  canvas.line({-1, -1}, {-3, 4}, kPen);
  EXPECT_EQ(countNonBlack(canvas), 0);
}

TEST(RasterClipLine, FullIntRangeLinesNeitherOverflowNorStray) {
  RasterCanvas canvas(10, 10);
  canvas.line({kMin, 2}, {kMax, 2}, kPen);
  EXPECT_EQ(picture(canvas), R"(
..........
..........
##########
..........
..........
..........
..........
..........
..........
..........
)");
  canvas.clear();
  canvas.line({kMin, kMin}, {kMax, kMax}, kPen);
  EXPECT_EQ(countNonBlack(canvas), 10);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(canvas.pixelAt(i, i), kPen);
  expectLineMatchesReference(10, 10, {kMin, kMax}, {kMax, kMin});
  expectLineMatchesReference(10, 10, {kMin, 3}, {kMax, 8});
  expectLineMatchesReference(10, 10, {kMin, -7}, {40, kMax});
}

TEST(RasterClipPolygon, HugeAndFarPolygonsFillOnlyWhatCrossesTheSurface) {
  expectPolygonMatchesReference(12, 12, {{-1000000, -1000000}, {1000000, -999990}, {3, 1000000}});
  expectPolygonMatchesReference(12, 12,
                                {{-1000000, 5}, {11, -1000000}, {8, 1000000}, {1000000, 3}});
  expectPolygonMatchesReference(12, 12, {{kMin, kMin}, {kMax, 0}, {5, kMax}});
  expectPolygonMatchesReference(12, 12, {{kMin, 7}, {kMax, 4}, {kMin, kMax}, {kMax, kMin}});
  expectPolygonMatchesReference(12, 12, {{-50, -50}, {-10, -50}, {-30, -10}});
}

TEST(RasterClipPolygon, OutlineOfAScreenSizedPolygonStaysOffScreen) {
  RasterCanvas canvas(8, 8);
  canvas.polygon(std::vector<Point>{{kMin, kMin}, {kMax, kMin}, {kMax, kMax}, {kMin, kMax}}, kPen,
                 kBrush);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) ASSERT_EQ(canvas.pixelAt(x, y), kBrush);
  }
}

TEST(RasterClipRectangle, PartlyVisibleBoxShowsItsVisibleBorder) {
  RasterCanvas canvas(5, 4);
  canvas.rectangle(-5, -5, 3, 3, kPen, kBrush);
  canvas.rectangle(4, 2, 100000, 1000000, kPen, kBrush);
  EXPECT_EQ(picture(canvas), "\noo#..\noo#..\n###.#\n....#\n");
  canvas.clear();
  canvas.rectangle(kMin, kMin, kMax, kMax, kPen, kBrush);
  EXPECT_EQ(picture(canvas), "\nooooo\nooooo\nooooo\nooooo\n");
}

TEST(RasterClipText, TextCutAtEveryEdgeShowsTheVisiblePartOfTheSameGlyphs) {
  const std::string text = "Level 1 Cleared!";
  const int textWidth = bitmap_font::textWidth(text);
  RasterCanvas whole(textWidth, 16);
  whole.text(0, 0, text, kPen);
  for (const Point at : {Point{-13, -5}, Point{-40, 7}, Point{30, -11}, Point{25, 9}}) {
    RasterCanvas cut(60, 12);
    cut.text(at.x, at.y, text, kPen);
    for (int y = 0; y < 12; ++y) {
      for (int x = 0; x < 60; ++x) {
        ASSERT_EQ(cut.pixelAt(x, y), whole.pixelAt(x - at.x, y - at.y))
            << "text at " << at.x << "," << at.y << " pixel " << x << "," << y;
      }
    }
  }
}

TEST(RasterClipText, TextAtTheEndsOfTheIntRangeDrawsNothing) {
  RasterCanvas canvas(30, 20);
  canvas.text(kMin, kMin, "BOSS", kPen);
  canvas.text(kMax, 0, "BOSS", kPen);
  canvas.text(-bitmap_font::textWidth("BOSS"), 0, "BOSS", kPen);
  canvas.text(0, kMax - 3, "BOSS", kPen);
  EXPECT_EQ(countNonBlack(canvas), 0);
}

TEST(RasterClipViewport, OriginPlusCoordinatesBeyondTheIntRangeStaysExact) {
  RasterCanvas shifted(12, 12);
  shifted.setViewportOrigin(kMax, kMax);  // kMin + a lands on a - 1
  shifted.polygon(
      std::vector<Point>{{kMin + 2, kMin + 1}, {kMin + 11, kMin + 4}, {kMin + 1, kMin + 9}}, kPen,
      kBrush);
  shifted.line({kMin, kMin + 11}, {kMin + 10, kMin + 8}, kPen);
  shifted.text(kMin + 4, kMin + 1, "S", kPen);
  // Pushed past kMax: all of it off the surface.
  shifted.polygon(std::vector<Point>{{0, 0}, {kMax, 0}, {0, kMax}}, kPen, kBrush);
  shifted.rectangle(0, 0, kMax, kMax, kPen, kBrush);
  shifted.line({0, 0}, {kMax, kMax}, kPen);
  shifted.text(0, 0, "GAME OVER", kPen);

  RasterCanvas direct(12, 12);
  direct.polygon(std::vector<Point>{{1, 0}, {10, 3}, {0, 8}}, kPen, kBrush);
  direct.line({-1, 10}, {9, 7}, kPen);
  direct.text(3, 0, "S", kPen);
  EXPECT_EQ(picture(shifted), picture(direct));
}
