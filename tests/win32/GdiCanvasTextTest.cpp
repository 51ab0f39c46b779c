// Text goes through TextOutA: no background box, the given colour, top-left corner at the point.
#include <gtest/gtest.h>

#include <algorithm>

#include "DibSurface.h"
#include "GdiCanvas.h"

namespace {

// The ink is brighter than the field in red and green, darker in blue. Wine smooths the edges of
// its glyphs, Windows does not: either way no pixel may leave the range between the two.
constexpr Colorref kField = 0x402010;
constexpr Colorref kInk = 0x00FFFF;

struct Ink {
  int inked = 0;
  int other = 0;  // neither field, ink nor a blend of the two: a background box or a wrong colour
  int left = 1 << 30;
  int top = 1 << 30;
};

// Draws `text` at (x, y) on a plain field after moving the viewport origin, and finds the ink.
Ink inkOf(Point origin, int x, int y, std::string_view text) {
  const DibSurface surface(200, 80);
  GdiCanvas canvas(surface.dc());
  canvas.rectangle(0, 0, 201, 81, kField, kField);
  canvas.setViewportOrigin(origin.x, origin.y);
  canvas.text(x, y, text, kInk);
  Ink ink;
  for (int py = 0; py < surface.height(); ++py) {
    for (int px = 0; px < surface.width(); ++px) {
      const Colorref c = surface.pixelAt(px, py);
      if (c == kInk) {
        ++ink.inked;
        ink.left = std::min(ink.left, px);
        ink.top = std::min(ink.top, py);
      } else if (redOf(c) < redOf(kField) || greenOf(c) < greenOf(kField) ||
                 blueOf(c) > blueOf(kField)) {
        ++ink.other;
      }
    }
  }
  return ink;
}

TEST(GdiCanvasText, InkOnlyInTheGivenColourFromTheGivenCornerWithNoBackgroundBox) {
  for (const Point origin : {Point{0, 0}, Point{30, 40}}) {
    const Ink ink = inkOf(origin, 20, 10, "Kelvaron");
    EXPECT_GT(ink.inked, 40);
    EXPECT_EQ(ink.other, 0);
    // The glyphs start at or just after the text's top-left corner, moved by the origin.
    EXPECT_GE(ink.left, origin.x + 20);
    EXPECT_LE(ink.left, origin.x + 24);
    EXPECT_GE(ink.top, origin.y + 10);
    EXPECT_LE(ink.top, origin.y + 16);
  }
}

TEST(GdiCanvasText, OnlyTheGivenCharactersAreDrawn) {
  // A view of the first character only inks as much as that character alone.
  EXPECT_EQ(inkOf({}, 5, 5, std::string_view("II", 1)).inked, inkOf({}, 5, 5, "I").inked);
}

}  // namespace
