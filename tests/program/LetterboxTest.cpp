// The game's picture in a window of any shape: whole, centred, bars where the shapes differ.
#include <gtest/gtest.h>

#include "Letterbox.h"

TEST(Letterbox, PictureFitsWholeAndCentredWithBarsOnTheLeftOverSides) {
  struct Case {
    int windowWidth, windowHeight;
    Viewport expected;
  };
  const Case cases[] = {
      {794, 571, {0, 0, 794, 571}},        // the game's own size
      {1588, 1142, {0, 0, 1588, 1142}},    // twice
      {2560, 1440, {279, 0, 2002, 1440}},  // wider: bars left and right
      {1000, 1000, {0, 140, 1000, 719}},   // taller: bars above and below
      {1024, 768, {0, 16, 1024, 736}},     //
      {795, 571, {0, 0, 794, 571}},        // one pixel wider: half a bar rounds away
      {1, 1, {0, 0, 1, 0}},                // tiny
      {0, 571, {0, 0, 0, 0}},              // minimised
  };
  for (const Case& c : cases) {
    const Viewport view = letterbox(c.windowWidth, c.windowHeight, 794, 571);
    EXPECT_EQ(view, c.expected) << c.windowWidth << " x " << c.windowHeight << ": " << view.x << ","
                                << view.y << " " << view.width << " x " << view.height;
    EXPECT_LE(view.x + view.width, c.windowWidth);
    EXPECT_LE(view.y + view.height, c.windowHeight);
  }
}
