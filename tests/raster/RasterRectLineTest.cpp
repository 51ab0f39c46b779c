#include <gtest/gtest.h>

#include <random>

#include "RasterPicture.h"

namespace {

RasterCanvas drawLine(int w, int h, Point from, Point to) {
  RasterCanvas canvas(w, h);
  canvas.line(from, to, kPen);
  return canvas;
}

}  // namespace

TEST(RasterRectangle, WithPenOutlineAndFillCoverLeftToRightMinusOne) {
  RasterCanvas canvas(8, 6);
  canvas.rectangle(1, 1, 6, 5, kPen, kBrush);
  EXPECT_EQ(picture(canvas), R"(
........
.#####..
.#ooo#..
.#ooo#..
.#####..
........
)");
}

TEST(RasterRectangle, WithoutPenTheFillIsOnePixelSmallerRightAndBottom) {
  RasterCanvas canvas(8, 6);
  canvas.rectangle(1, 1, 6, 5, std::nullopt, kBrush);
  EXPECT_EQ(picture(canvas), R"(
........
.oooo...
.oooo...
.oooo...
........
........
)");
}

TEST(RasterRectangle, HollowWithPenOnlyKeepsWhatIsInside) {
  RasterCanvas canvas(6, 5);
  canvas.rectangle(0, 0, 7, 6, std::nullopt, kPaper);
  canvas.rectangle(1, 1, 5, 4, kPen, std::nullopt);
  EXPECT_EQ(picture(canvas), R"(
++++++
+####+
+#++#+
+####+
++++++
)");
}

TEST(RasterRectangle, SwappedCornersDrawTheSameBox) {
  RasterCanvas normal(8, 6);
  RasterCanvas swapped(8, 6);
  normal.rectangle(1, 1, 6, 5, kPen, kBrush);
  swapped.rectangle(6, 5, 1, 1, kPen, kBrush);
  EXPECT_EQ(picture(swapped), picture(normal));
  swapped.clear();
  swapped.rectangle(6, 1, 1, 5, kPen, kBrush);
  EXPECT_EQ(picture(swapped), picture(normal));
}

TEST(RasterRectangle, EmptyOrOnePixelBoxDrawsNothingAndOneColumnBoxIsAColumn) {
  RasterCanvas canvas(6, 6);
  canvas.rectangle(3, 1, 3, 5, kPen, kBrush);
  canvas.rectangle(1, 2, 5, 2, kPen, kBrush);
  canvas.rectangle(1, 1, 2, 2, kPen, kBrush);  // its outline has no length
  canvas.rectangle(1, 1, 2, 2, std::nullopt, kBrush);
  EXPECT_EQ(countNonBlack(canvas), 0);
  canvas.rectangle(3, 1, 4, 5, kPen, kBrush);
  EXPECT_EQ(picture(canvas), R"(
......
...#..
...#..
...#..
...#..
......
)");
}

TEST(RasterLine, EndPointIsLeftOutInEitherDirection) {
  EXPECT_EQ(picture(drawLine(7, 2, {1, 0}, {5, 0})), "\n.####..\n.......\n");
  EXPECT_EQ(picture(drawLine(7, 2, {5, 1}, {1, 1})), "\n.......\n..####.\n");
  EXPECT_EQ(picture(drawLine(2, 5, {0, 4}, {0, 0})), "\n..\n#.\n#.\n#.\n#.\n");
}

TEST(RasterLine, ZeroLengthLineDrawsNothing) {
  EXPECT_EQ(countNonBlack(drawLine(4, 4, {2, 2}, {2, 2})), 0);
}

TEST(RasterLine, HalfwayMinorCoordinateGoesToTheSmallerPixel) {
  // (2, 0.5) and (0.5, 2) lie exactly between two pixels: both directions pick row/column 0.
  EXPECT_EQ(picture(drawLine(5, 2, {0, 0}, {4, 1})), "\n###..\n...#.\n");
  EXPECT_EQ(picture(drawLine(5, 2, {4, 1}, {0, 0})), "\n.##..\n...##\n");
  EXPECT_EQ(picture(drawLine(2, 5, {0, 0}, {1, 4})), "\n#.\n#.\n#.\n.#\n..\n");
  EXPECT_EQ(picture(drawLine(2, 5, {1, 4}, {0, 0})), "\n..\n#.\n#.\n.#\n.#\n");
}

TEST(RasterLine, SteepAndShallowLinesStepOncePerMajorPixel) {
  EXPECT_EQ(picture(drawLine(8, 4, {0, 0}, {7, 3})), R"(
##......
..##....
....##..
......#.
)");
  EXPECT_EQ(picture(drawLine(3, 6, {2, 0}, {0, 5})), R"(
..#
..#
.#.
.#.
#..
...
)");
}

TEST(RasterLine, ReversedLineLightsTheSamePixelsBarTheEnds) {
  std::mt19937 random(77);
  std::uniform_int_distribution<int> coordinate(0, 11);
  for (int round = 0; round < 500; ++round) {
    const Point a{coordinate(random), coordinate(random)};
    const Point b{coordinate(random), coordinate(random)};
    if (a == b) continue;
    RasterCanvas forward = drawLine(12, 12, a, b);
    RasterCanvas backward = drawLine(12, 12, b, a);
    forward.line(b, {b.x + 1, b.y}, kPen);  // just the pixel at b
    backward.line(a, {a.x + 1, a.y}, kPen);
    ASSERT_EQ(picture(forward), picture(backward)) << a.x << "," << a.y << " " << b.x << "," << b.y;
  }
}

TEST(RasterViewport, OriginShiftsEveryKindOfDrawing) {
  RasterCanvas shifted(20, 20);
  RasterCanvas direct(20, 20);
  shifted.setViewportOrigin(3, -2);
  const std::vector<Point> triangle = {{1, 4}, {9, 6}, {4, 12}};
  shifted.polygon(triangle, kPen, kBrush);
  shifted.rectangle(10, 10, 15, 18, kPen, kBrush);
  shifted.line({0, 19}, {12, 15}, kPen);
  shifted.text(0, 2, "Hi", kPen);
  direct.polygon(std::vector<Point>{{4, 2}, {12, 4}, {7, 10}}, kPen, kBrush);
  direct.rectangle(13, 8, 18, 16, kPen, kBrush);
  direct.line({3, 17}, {15, 13}, kPen);
  direct.text(3, 0, "Hi", kPen);
  EXPECT_EQ(picture(shifted), picture(direct));
}

TEST(RasterViewport, OriginStaysUntilResetAndClearResetsIt) {
  RasterCanvas canvas(6, 6);
  canvas.setViewportOrigin(2, 2);
  canvas.line({0, 0}, {1, 0}, kPen);
  canvas.line({0, 1}, {1, 1}, kPen);
  canvas.setViewportOrigin(0, 0);
  canvas.line({0, 0}, {1, 0}, kPen);
  EXPECT_EQ(canvas.pixelAt(2, 2), kPen);
  EXPECT_EQ(canvas.pixelAt(2, 3), kPen);
  EXPECT_EQ(canvas.pixelAt(0, 0), kPen);
  canvas.setViewportOrigin(4, 4);
  canvas.clear();
  canvas.line({0, 0}, {1, 0}, kPen);
  EXPECT_EQ(canvas.pixelAt(0, 0), kPen);
  EXPECT_EQ(countNonBlack(canvas), 1);
}
