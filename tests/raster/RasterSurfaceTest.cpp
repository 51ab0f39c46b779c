#include <gtest/gtest.h>

#include "RasterPicture.h"

TEST(RasterSurface, StartsBlackAndKeepsRgbWhilePixelAtAnswersInColorref) {
  RasterCanvas canvas(4, 3);
  EXPECT_EQ(picture(canvas), "\n....\n....\n....\n");
  canvas.line({2, 1}, {3, 1}, rgb(0x12, 0x34, 0x56));
  EXPECT_EQ(canvas.pixels()[1 * 4 + 2], 0x123456u);
  EXPECT_EQ(canvas.pixelAt(2, 1), 0x563412u);
  EXPECT_EQ(canvas.pixelAt(-1, 0) | canvas.pixelAt(4, 0) | canvas.pixelAt(0, 3), 0u);
  canvas.resize(-3, 5);  // an empty surface still takes drawing
  EXPECT_EQ(std::pair(canvas.width(), canvas.height()), std::pair(0, 5));
  canvas.polygon(std::vector<Point>{{0, 0}, {5, 0}, {0, 5}}, kPen, kBrush);
  canvas.rectangle(0, 0, 3, 3, kPen, kBrush);
  canvas.line({0, 0}, {3, 3}, kPen);
  canvas.text(0, 0, "Score", kPen);
}

TEST(RasterSurface, ClearAndResizeBlackenEverythingAndSetTheOriginBack) {
  RasterCanvas canvas(4, 2);
  fillWithPaper(canvas);
  canvas.setViewportOrigin(2, 1);
  canvas.clear();
  canvas.line({1, 0}, {2, 0}, kPen);
  EXPECT_EQ(picture(canvas), "\n.#..\n....\n");
  canvas.setViewportOrigin(1, 1);
  canvas.resize(7, 2);
  canvas.line({0, 1}, {3, 0}, kPen);
  EXPECT_EQ(picture(canvas), "\n..#....\n##.....\n");
}
