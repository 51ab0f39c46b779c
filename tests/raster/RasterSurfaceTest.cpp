#include <gtest/gtest.h>

#include "RasterPicture.h"

TEST(RasterSurface, StartsBlackWithTheGivenSize) {
  const RasterCanvas canvas(5, 3);
  EXPECT_EQ(canvas.width(), 5);
  EXPECT_EQ(canvas.height(), 3);
  EXPECT_EQ(picture(canvas), "\n.....\n.....\n.....\n");
}

TEST(RasterSurface, BufferHoldsRgbWhilePixelAtAnswersInColorref) {
  RasterCanvas canvas(4, 3);
  canvas.line({2, 1}, {3, 1}, rgb(0x12, 0x34, 0x56));
  EXPECT_EQ(canvas.pixels()[1 * 4 + 2], 0x123456u);
  EXPECT_EQ(canvas.pixelAt(2, 1), 0x563412u);
  EXPECT_EQ(canvas.pixelAt(-1, 0), 0u);
  EXPECT_EQ(canvas.pixelAt(4, 0), 0u);
  EXPECT_EQ(canvas.pixelAt(0, 3), 0u);
}

TEST(RasterSurface, ClearBlackensEverything) {
  RasterCanvas canvas(6, 4);
  canvas.rectangle(-1, -1, 8, 8, kPen, kBrush);
  ASSERT_EQ(countNonBlack(canvas), 24);
  canvas.clear();
  EXPECT_EQ(countNonBlack(canvas), 0);
}

TEST(RasterSurface, ResizeGivesABlackSurfaceOfTheNewSize) {
  RasterCanvas canvas(4, 4);
  canvas.rectangle(0, 0, 5, 5, std::nullopt, kBrush);
  canvas.setViewportOrigin(1, 1);
  canvas.resize(7, 2);
  EXPECT_EQ(canvas.width(), 7);
  EXPECT_EQ(canvas.height(), 2);
  EXPECT_EQ(countNonBlack(canvas), 0);
  canvas.rectangle(0, 0, 2, 2, std::nullopt, kBrush);
  EXPECT_EQ(picture(canvas), "\no......\n.......\n");
}

TEST(RasterSurface, EmptySurfaceAcceptsDrawing) {
  RasterCanvas canvas(0, 0);
  canvas.resize(-3, 5);
  EXPECT_EQ(canvas.width(), 0);
  canvas.polygon(std::vector<Point>{{0, 0}, {5, 0}, {0, 5}}, kPen, kBrush);
  canvas.rectangle(0, 0, 3, 3, kPen, kBrush);
  canvas.line({0, 0}, {3, 3}, kPen);
  canvas.text(0, 0, "Score", kPen);
  EXPECT_EQ(canvas.height(), 5);
}
