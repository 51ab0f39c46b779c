#include <gtest/gtest.h>

#include <string>

#include "BitmapFont.h"
#include "RasterPicture.h"

namespace {

std::string printableAscii() {
  std::string s;
  for (int c = bitmap_font::kFirstChar; c <= bitmap_font::kLastChar; ++c) s += static_cast<char>(c);
  return s;
}

bool sameGlyph(const bitmap_font::Glyph& a, const bitmap_font::Glyph& b) {
  return a.width == b.width && a.rows == b.rows;
}

bool hasInkInRows(char c, int first, int last) {
  const bitmap_font::Glyph& g = bitmap_font::glyphFor(c);
  for (int row = first; row <= last; ++row) {
    if (g.rows[static_cast<std::size_t>(row)] != 0) return true;
  }
  return false;
}

}  // namespace

TEST(BitmapFont, EveryPrintableCharacterHasAGlyphOfItsOwn) {
  const std::string chars = printableAscii();
  for (char a : chars) {
    for (char b : chars) {
      if (a == b) continue;
      EXPECT_FALSE(sameGlyph(bitmap_font::glyphFor(a), bitmap_font::glyphFor(b))) << a << b;
    }
  }
}

TEST(BitmapFont, GlyphsHaveInkExceptSpaceAndLeaveAGapOnTheRight) {
  for (char c : printableAscii()) {
    const bitmap_font::Glyph& g = bitmap_font::glyphFor(c);
    ASSERT_GT(g.width, 0) << c;
    ASSERT_LE(g.width, 16) << c;
    EXPECT_EQ(hasInkInRows(c, 0, 15), c != ' ') << c;
    const unsigned lastColumn = 1u << (g.width - 1);
    bool gapOnTheRight = true;
    for (std::uint16_t row : g.rows) gapOnTheRight = gapOnTheRight && (row & lastColumn) == 0;
    EXPECT_TRUE(gapOnTheRight || c == '_') << c;  // underscores join up
  }
}

TEST(BitmapFont, MetricsOfASixteenPixelSystemFace) {
  const std::string chars = printableAscii();
  EXPECT_NEAR(
      static_cast<double>(bitmap_font::textWidth(chars)) / static_cast<double>(chars.size()), 7.0,
      0.5);
  EXPECT_LT(bitmap_font::textWidth("il"), bitmap_font::textWidth("MW"));  // proportional
  for (char c : std::string("HKZ0123456789")) {  // capitals and digits: rows 3..12
    EXPECT_TRUE(hasInkInRows(c, 3, 3)) << c;
    EXPECT_TRUE(hasInkInRows(c, 12, 12)) << c;
    EXPECT_FALSE(hasInkInRows(c, 0, 2) || hasInkInRows(c, 13, 15)) << c;
  }
  for (char c : std::string("gjpqy")) EXPECT_TRUE(hasInkInRows(c, 14, 15)) << c;  // descenders
  for (char c : std::string("acemnorsuvwxz")) EXPECT_FALSE(hasInkInRows(c, 0, 5)) << c;
}

TEST(BitmapFont, BytesWithoutAGlyphShareAVisibleBox) {
  const bitmap_font::Glyph& box = bitmap_font::glyphFor('\x01');
  EXPECT_TRUE(sameGlyph(box, bitmap_font::glyphFor('\x7f')));
  EXPECT_TRUE(sameGlyph(box, bitmap_font::glyphFor('\xe9')));
  EXPECT_TRUE(sameGlyph(box, bitmap_font::glyphFor('\n')));
  for (char c : printableAscii()) EXPECT_FALSE(sameGlyph(box, bitmap_font::glyphFor(c))) << c;
  EXPECT_EQ(bitmap_font::textWidth("a\x01"), bitmap_font::glyphFor('a').width + box.width);
}

TEST(RasterText, GlyphLandsWithItsCellTopLeftAtThePoint) {
  RasterCanvas canvas(9, 18);
  canvas.text(1, 2, "L", kPen);
  EXPECT_EQ(picture(canvas), R"(
.........
.........
.........
.........
.........
.##......
.##......
.##......
.##......
.##......
.##......
.##......
.##......
.##......
.######..
.........
.........
.........
)");
}

TEST(RasterText, CharactersFollowEachOtherByTheirAdvance) {
  RasterCanvas together(60, 16);
  together.text(0, 0, "Kel", kPen);
  RasterCanvas apart(60, 16);
  apart.text(0, 0, "K", kPen);
  apart.text(bitmap_font::textWidth("K"), 0, "e", kPen);
  apart.text(bitmap_font::textWidth("Ke"), 0, "l", kPen);
  EXPECT_EQ(picture(together), picture(apart));
}

TEST(RasterText, BackgroundShowsThroughBetweenStrokes) {
  RasterCanvas canvas(40, 16);
  canvas.rectangle(0, 0, 41, 17, std::nullopt, kPaper);
  canvas.text(0, 0, "Quit", kPen);
  int ink = 0;
  int paper = 0;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 40; ++x) {
      ink += canvas.pixelAt(x, y) == kPen;
      paper += canvas.pixelAt(x, y) == kPaper;
    }
  }
  EXPECT_GT(ink, 40);
  EXPECT_EQ(ink + paper, 40 * 16);
}

TEST(RasterText, SameTextDrawsTheSamePixelsEveryTime) {
  const std::string line = "Use Arrow keys and Z key to select.";
  RasterCanvas first(300, 20);
  RasterCanvas second(300, 20);
  first.text(3, 2, line, kPen);
  second.text(3, 2, line, kPen);
  second.text(3, 2, line, kPen);
  EXPECT_EQ(picture(first), picture(second));
  EXPECT_NE(picture(first), picture(RasterCanvas(300, 20)));
}
