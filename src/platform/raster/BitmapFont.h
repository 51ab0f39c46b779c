#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The one font of the software renderer: a crisp 1-bit bitmap face in the manner of the Windows
// "System" font (16-pixel cell, bold two-pixel stems, proportional widths averaging about 7
// pixels). The glyphs are compiled into the program, so text looks the same on every machine and
// every run.
namespace bitmap_font {

// Every glyph cell is this many rows tall; row 0 is the top of the cell.
inline constexpr int kCellHeight = 16;
// Rows above the baseline, counting the internal leading at the top of the cell.
inline constexpr int kAscent = 13;
// Printable ASCII 32..126 have glyphs of their own.
inline constexpr int kFirstChar = 32;
inline constexpr int kLastChar = 126;

struct Glyph {
  // Advance in pixels, including the blank spacing column(s) on the glyph's right.
  int width = 0;
  // One bit mask per cell row: bit c set means column c is ink (bit 0 is the leftmost column).
  std::array<std::uint16_t, kCellHeight> rows{};
};

// The glyph for a byte. Bytes outside printable ASCII (control characters, 127 and the upper half)
// all share one hollow box, so an unexpected character shows up instead of vanishing.
const Glyph& glyphFor(char c);

// Width in pixels of the text drawn with this font: the sum of its glyphs' advances.
int textWidth(std::string_view text);

}  // namespace bitmap_font
