// Text goes through TextOutA: no background box, the given colour, top-left corner at the point.
#include <gtest/gtest.h>

#include <algorithm>

#include "DibSurface.h"
#include "GdiCanvas.h"

namespace {

constexpr Colorref kField = 0x402010;
constexpr Colorref kInk = 0x00FFFF;

// Whether every channel of c lies between the field's and the ink's: Wine smooths the edges of
// its glyphs, Windows does not, and either way no other colour may appear.
bool blendOfFieldAndInk(Colorref c) {
  auto between = [](int v, int a, int b) { return v >= std::min(a, b) && v <= std::max(a, b); };
  return between(redOf(c), redOf(kField), redOf(kInk)) &&
         between(greenOf(c), greenOf(kField), greenOf(kInk)) &&
         between(blueOf(c), blueOf(kField), blueOf(kInk));
}

struct InkBox {
  int inked = 0;
  int other = 0;  // neither field, ink nor a blend of the two: a background box or a wrong colour
  int left = 1 << 30;
  int top = 1 << 30;
};

InkBox inspect(const DibSurface& surface) {
  InkBox box;
  for (int y = 0; y < surface.height(); ++y) {
    for (int x = 0; x < surface.width(); ++x) {
      const Colorref c = surface.pixelAt(x, y);
      if (c == kInk) {
        ++box.inked;
        box.left = std::min(box.left, x);
        box.top = std::min(box.top, y);
      } else if (!blendOfFieldAndInk(c)) {
        ++box.other;
      }
    }
  }
  return box;
}

TEST(GdiCanvasText, InkOnlyInTheGivenColourWithNoBackgroundBox) {
  const DibSurface surface(200, 60);
  GdiCanvas canvas(surface.dc());
  canvas.rectangle(0, 0, 201, 61, kField, kField);
  canvas.text(20, 10, "Kelvaron", kInk);
  const InkBox box = inspect(surface);
  EXPECT_GT(box.inked, 40);
  EXPECT_EQ(box.other, 0);
  // The glyphs start at or just after the text's top-left corner.
  EXPECT_GE(box.left, 20);
  EXPECT_LE(box.left, 24);
  EXPECT_GE(box.top, 10);
  EXPECT_LE(box.top, 16);
}

TEST(GdiCanvasText, FollowsTheViewportOrigin) {
  const DibSurface surface(200, 80);
  GdiCanvas canvas(surface.dc());
  canvas.rectangle(0, 0, 201, 81, kField, kField);
  canvas.setViewportOrigin(30, 40);
  canvas.text(20, 10, "H", kInk);
  const InkBox box = inspect(surface);
  EXPECT_GE(box.left, 50);
  EXPECT_GE(box.top, 50);
}

TEST(GdiCanvasText, OnlyTheGivenCharactersAreDrawn) {
  const DibSurface withTail(100, 40);
  GdiCanvas a(withTail.dc());
  a.text(5, 5, std::string_view("II", 1), kInk);  // a view of the first character only
  const DibSurface single(100, 40);
  GdiCanvas b(single.dc());
  b.text(5, 5, "I", kInk);
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 100; ++x) ASSERT_EQ(withTail.pixelAt(x, y), single.pixelAt(x, y));
  }
}

}  // namespace
