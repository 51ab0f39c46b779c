#include "ShipIcon.h"

#include "RasterCanvas.h"
#include "player/PlayerImages.h"

namespace {
// The ship spans 40 pixels across and 35 from nose to tail (-20 to +15 around its centre), so a
// little margin leaves its edges inside the icon.
constexpr double kShipSpan = 44.0;
constexpr double kShipCentreBelowMiddle = 2.5;  // its centre lies below the middle of its outline
constexpr int kMarkerFromSize = 32;             // the hit-point marker swamps smaller icons
}  // namespace

void drawShipIconOn(Canvas& canvas, int size) {
  const double scale = size / kShipSpan;
  const PlayerImage ship;
  ship.draw(canvas, size / 2.0, size / 2.0 + kShipCentreBelowMiddle * scale, 0.0, scale, kOwnColor,
            kOwnColor, size < kMarkerFromSize);
}

IconImage drawShipIcon(int size) {
  RasterCanvas canvas(size, size);
  canvas.clear();
  drawShipIconOn(canvas, size);
  IconImage image{size, {}};
  image.pixels.reserve(static_cast<std::size_t>(size * size));
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const Colorref c = canvas.pixelAt(x, y);  // 0x00BBGGRR
      const std::uint32_t argb = (static_cast<std::uint32_t>(redOf(c)) << 16) |
                                 (static_cast<std::uint32_t>(greenOf(c)) << 8) |
                                 static_cast<std::uint32_t>(blueOf(c));
      // The field is black and nothing in the ship is: black is the transparent background.
      image.pixels.push_back(argb == 0 ? 0u : 0xFF000000u | argb);
    }
  }
  return image;
}
