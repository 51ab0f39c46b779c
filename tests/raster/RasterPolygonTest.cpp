#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "RasterPicture.h"
#include "RasterReference.h"

namespace {

RasterCanvas drawPolygon(int w, int h, std::vector<Point> points, OptionalColor pen,
                         OptionalColor brush) {
  RasterCanvas canvas(w, h);
  canvas.polygon(points, pen, brush);
  return canvas;
}

const std::vector<Point> kSquare = {{1, 1}, {5, 1}, {5, 4}, {1, 4}};

}  // namespace

TEST(RasterPolygonFill, SpansAreHalfOpenSoTheRightColumnAndBottomRowStayOut) {
  EXPECT_EQ(picture(drawPolygon(7, 6, kSquare, std::nullopt, kBrush)), R"(
.......
.oooo..
.oooo..
.oooo..
.......
.......
)");
}

TEST(RasterPolygonFill, OutlineCoversTheRightAndBottomEdgesTheFillLeavesOut) {
  EXPECT_EQ(picture(drawPolygon(7, 6, kSquare, kPen, kBrush)), R"(
.......
.#####.
.#ooo#.
.#ooo#.
.#####.
.......
)");
}

TEST(RasterPolygonFill, SpansOfEveryLengthAreFilledWithoutGapsOrOverrun) {
  for (int width = 1; width <= 40; ++width) {
    RasterCanvas canvas(44, 3);
    canvas.polygon(std::vector<Point>{{2, 1}, {2 + width, 1}, {2 + width, 2}, {2, 2}}, std::nullopt,
                   kBrush);
    for (int x = 0; x < 44; ++x) {
      ASSERT_EQ(canvas.pixelAt(x, 1) == kBrush, x >= 2 && x < 2 + width) << width << " " << x;
    }
    ASSERT_EQ(countNonBlack(canvas), width);
  }
}

TEST(RasterPolygonFill, PenWithoutBrushLeavesTheInsideUntouched) {
  RasterCanvas canvas(7, 6);
  canvas.rectangle(0, 0, 8, 7, std::nullopt, kPaper);
  canvas.polygon(kSquare, kPen, std::nullopt);
  EXPECT_EQ(picture(canvas), R"(
+++++++
+#####+
+#+++#+
+#+++#+
+#####+
+++++++
)");
}

TEST(RasterPolygonFill, PixelCornerOnALeftEdgeIsInAndOnARightEdgeOut) {
  RasterCanvas canvas(9, 4);
  const std::vector<Point> diagonalOnTheRight = {{0, 0}, {4, 4}, {0, 4}};
  const std::vector<Point> diagonalOnTheLeft = {{9, 0}, {9, 4}, {5, 4}};
  canvas.polygon(diagonalOnTheRight, std::nullopt, kBrush);
  canvas.polygon(diagonalOnTheLeft, std::nullopt, kBrush);
  EXPECT_EQ(picture(canvas), R"(
.........
o.......o
oo.....oo
ooo...ooo
)");
}

TEST(RasterPolygonFill, SlantedEdgesTakeThePixelsWhoseCornerIsInside) {
  // Left edge x = y / 2, right edge x = 7 - y / 3: rows start at ceil and end before ceil.
  EXPECT_EQ(picture(drawPolygon(8, 6, {{0, 0}, {7, 0}, {5, 6}, {3, 6}}, std::nullopt, kBrush)), R"(
ooooooo.
.oooooo.
.oooooo.
..oooo..
..oooo..
...ooo..
)");
}

TEST(RasterPolygonFill, SlantedTriangleWithOutlineDrawnOverTheFill) {
  EXPECT_EQ(picture(drawPolygon(8, 6, {{0, 0}, {6, 2}, {2, 5}}, kPen, kBrush)), R"(
##......
#o###...
.#ooo##.
.#oo##..
..##....
..#.....
)");
}

TEST(RasterPolygonEvenOdd, SelfCrossingQuadrilateralFillsBothLobes) {
  EXPECT_EQ(picture(drawPolygon(7, 6, {{0, 0}, {6, 6}, {6, 0}, {0, 6}}, std::nullopt, kBrush)), R"(
.......
o....o.
oo..oo.
oooooo.
oo..oo.
o....o.
)");
}

TEST(RasterPolygonEvenOdd, InnerLoopRunningTheSameWayIsAHole) {
  const std::vector<Point> ring = {{0, 0}, {8, 0}, {8, 8}, {0, 8}, {0, 0},
                                   {2, 2}, {6, 2}, {6, 6}, {2, 6}, {2, 2}};
  EXPECT_EQ(picture(drawPolygon(9, 9, ring, std::nullopt, kBrush)), R"(
oooooooo.
oooooooo.
oo....oo.
oo....oo.
oo....oo.
oo....oo.
oooooooo.
oooooooo.
.........
)");
}

TEST(RasterPolygonEvenOdd, MatchesAPerPixelCrossingCountOnRandomPolygons) {
  // Small point counts give many convex and y-monotone outlines, larger ones tangled outlines; the
  // wider range pushes edges off every side of the surface.
  std::mt19937 random(1234);
  std::uniform_int_distribution<int> count(3, 9);
  for (const int range : {20, 60}) {
    std::uniform_int_distribution<int> coordinate(-range / 5, range);
    for (int round = 0; round < 300; ++round) {
      std::vector<Point> points(static_cast<std::size_t>(count(random)));
      for (Point& p : points) p = {coordinate(random), coordinate(random)};
      const RasterCanvas canvas = drawPolygon(16, 16, points, std::nullopt, kBrush);
      for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
          ASSERT_EQ(canvas.pixelAt(x, y) == kBrush, raster_reference::insidePolygon(points, x, y))
              << "range " << range << " round " << round << " pixel " << x << "," << y;
        }
      }
    }
  }
}

TEST(RasterPolygonDegenerate, FewerThanTwoPointsDrawNothing) {
  EXPECT_EQ(countNonBlack(drawPolygon(5, 5, {}, kPen, kBrush)), 0);
  EXPECT_EQ(countNonBlack(drawPolygon(5, 5, {{2, 2}}, kPen, kBrush)), 0);
}

TEST(RasterPolygonDegenerate, TwoPointsOutlineTheSegmentThereAndBackWithBothEnds) {
  EXPECT_EQ(picture(drawPolygon(7, 5, {{1, 1}, {5, 3}}, kPen, kBrush)), R"(
.......
.##....
...##..
.....#.
.......
)");
  EXPECT_EQ(countNonBlack(drawPolygon(7, 5, {{1, 1}, {5, 3}}, std::nullopt, kBrush)), 0);
}

TEST(RasterPolygonDegenerate, CollinearPointsHaveNoInside) {
  const std::vector<Point> collinear = {{0, 0}, {3, 3}, {6, 6}};
  EXPECT_EQ(countNonBlack(drawPolygon(8, 8, collinear, std::nullopt, kBrush)), 0);
  const RasterCanvas outlined = drawPolygon(8, 8, collinear, kPen, kBrush);
  EXPECT_EQ(countNonBlack(outlined), 7);
  for (int i = 0; i <= 6; ++i) EXPECT_EQ(outlined.pixelAt(i, i), kPen);
}
