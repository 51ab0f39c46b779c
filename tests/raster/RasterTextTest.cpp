#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BitmapFont.h"
#include "RasterPicture.h"

using namespace bitmap_font;

namespace {

bool inkInRows(char c, int first, int last) {
  const Glyph& g = glyphFor(c);
  for (int row = first; row <= last; ++row) {
    if (g.rows[static_cast<std::size_t>(row)] != 0) return true;
  }
  return false;
}

}  // namespace

TEST(BitmapFont, EveryPrintableCharacterHasAGlyphOfItsOwnWithAGapOnTheRight) {
  std::string chars;
  for (int c = kFirstChar; c <= kLastChar; ++c) chars += char(c);
  const auto same = [](char a, char b) {
    const auto key = [](char c) { return std::pair(glyphFor(c).width, glyphFor(c).rows); };
    return key(a) == key(b);
  };
  for (char c : chars) {
    for (char other : chars + '\x01') EXPECT_TRUE(other == c || !same(c, other)) << c << other;
    const Glyph& g = glyphFor(c);
    ASSERT_TRUE(g.width > 0 && g.width <= 16) << c;
    EXPECT_EQ(inkInRows(c, 0, 15), c != ' ') << c;
    bool gap = true;
    for (std::uint16_t row : g.rows) gap = gap && (row >> (g.width - 1)) == 0;
    EXPECT_TRUE(gap || c == '_') << c;  // underscores join up
  }
  for (char c : {'\x7f', '\xe9', '\n'}) EXPECT_TRUE(same(c, '\x01'));  // the box for the rest
  // A sixteen-pixel "System" face: about 7 pixels a character, capitals and digits on rows 3..12.
  EXPECT_NEAR(textWidth(chars) / static_cast<double>(chars.size()), 7.0, 0.5);
  for (char c : std::string("HKZ0123456789")) {
    EXPECT_TRUE(inkInRows(c, 3, 3) && inkInRows(c, 12, 12)) << c;
    EXPECT_FALSE(inkInRows(c, 0, 2) || inkInRows(c, 13, 15)) << c;
  }
}

// Each glyph's cell has its top-left at the pen position, which moves on by the glyph's advance;
// only ink is drawn, and drawing the text again changes nothing.
TEST(RasterText, GlyphsPlacedByAdvanceAndOnlyTheirInkDrawn) {
  RasterCanvas canvas(30, 19);
  fillWithPaper(canvas);
  for (int twice = 0; twice < 2; ++twice) canvas.text(2, 1, "Lj\x01", kPen);
  for (int x = 0; x < 30; ++x) {
    const char* c = "Lj\x01";
    int col = x - 2;
    for (; *c != 0 && col >= glyphFor(*c).width; ++c) col -= glyphFor(*c).width;
    for (int y = 0; y < 19; ++y) {
      const bool ink =
          *c != 0 && col >= 0 && y >= 1 && y <= 16 && (glyphFor(*c).rows[y - 1u] >> col & 1u) != 0;
      ASSERT_EQ(canvas.pixelAt(x, y), ink ? kPen : kPaper) << x << "," << y;
    }
  }
}

TEST(RasterText, TextCutAtEveryEdgeShowsTheVisiblePartOfTheSameGlyphs) {
  const std::string text = "Level 1 Cleared!";
  RasterCanvas whole(textWidth(text), 16);
  whole.text(0, 0, text, kPen);
  std::vector<Point> places = {{-13, -5}, {-40, 7}, {30, -11}, {25, 9}};
  for (int x = 0; x < 60; ++x) places.push_back({x, 1});  // glyphs cut by the right edge alone
  for (const Point at : places) {
    RasterCanvas cut(60, 18);
    cut.text(at.x, at.y, text, kPen);
    for (int i = 0; i < 60 * 18; ++i) {
      ASSERT_EQ(cut.pixelAt(i % 60, i / 60), whole.pixelAt(i % 60 - at.x, i / 60 - at.y))
          << "text at " << at.x << "," << at.y << " pixel " << i % 60 << "," << i / 60;
    }
  }
}
