#include "PauseScreen.h"

#include <string_view>

#include "RasterCanvas.h"

namespace {

constexpr Colorref kGrey = 0xC0C0C0;
constexpr int kLineGap = 8;

void centred(RasterCanvas& canvas, int top, std::string_view text, Colorref color) {
  canvas.text((canvas.width() - bitmap_font::textWidth(text)) / 2, top, text, color);
}

}  // namespace

void drawPauseScreen(RasterCanvas& canvas) {
  canvas.dim();
  canvas.setViewportOrigin(0, 0);  // the words go in window coordinates
  const int top = canvas.height() / 2 - bitmap_font::kCellHeight - kLineGap / 2;
  centred(canvas, top, "PAUSED", kWhite);
  centred(canvas, top + bitmap_font::kCellHeight + kLineGap, "P or Escape to resume", kGrey);
}
