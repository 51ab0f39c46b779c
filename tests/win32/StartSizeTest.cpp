// The window's first size on screens of every scale: a whole factor of the game's size where it
// fits, the screen's exact scale where only that fits, and never less than the game's own size.
#include <gtest/gtest.h>

#include "ScaledWindow.h"

TEST(StartClientSize, WholeFactorOfTheScreensScaleWhereTheWorkAreaAllows) {
  struct Case {
    int scale;
    UINT dpi;
    SIZE workArea;
    SIZE expected;
  };
  const Case cases[] = {
      {1, 96, {1920, 1040}, {794, 571}},     // 100 %
      {1, 144, {2560, 1400}, {1588, 1142}},  // 150 % rounded up to twice
      {1, 144, {1440, 900}, {1191, 856}},    // twice does not fit: the exact 150 %
      {1, 120, {1920, 1040}, {794, 571}},    // 125 % rounded down
      {4, 96, {1920, 1040}, {794, 571}},     // --scale 4 on a small screen: the largest that fits
      {3, 96, {2560, 1800}, {2382, 1713}},   //
      {2, 192, {1280, 700}, {794, 571}},     // only the game's own size fits
  };
  const SIZE frame{16, 39};
  for (const Case& c : cases) {
    const SIZE size = startClientSize(794, 571, c.scale, c.dpi, frame, c.workArea);
    EXPECT_EQ(size.cx, c.expected.cx) << c.scale << "x at " << c.dpi << " dpi";
    EXPECT_EQ(size.cy, c.expected.cy) << c.scale << "x at " << c.dpi << " dpi";
  }
}
