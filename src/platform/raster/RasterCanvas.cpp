#include "RasterCanvas.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <utility>

#include "BitmapFont.h"

namespace {

using i64 = std::int64_t;

// Colorref 0x00BBGGRR to the buffer's 0x00RRGGBB, and back (the same byte swap).
constexpr std::uint32_t swapRedBlue(std::uint32_t c) {
  return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

// Division rounding toward minus infinity, for a positive divisor.
constexpr i64 floorDiv(i64 a, i64 b) {
  const i64 q = a / b;
  return (a % b < 0) ? q - 1 : q;
}

struct QuotRem {
  i64 quot;
  i64 rem;
};

// floor((a * b + c) / d) and the remainder, for 0 <= a, b, d < 2^36 (d > 0) and 0 <= c < 2^53,
// without forming a * b, which can need 72 bits. Shifted coordinates reach +-2^32, so slopes and
// positions along an edge are products of two 34-bit numbers. The quotient must fit in 64 bits.
constexpr QuotRem mulAddDiv(i64 a, i64 b, i64 c, i64 d) {
  constexpr int kSplit = 18;
  const i64 high = (a >> kSplit) * b;  // below 2^54
  const i64 highQuot = high / d;
  const i64 low = ((high % d) << kSplit) + (a & ((i64{1} << kSplit) - 1)) * b + c;  // below 2^56
  return {highQuot * (i64{1} << kSplit) + low / d, low % d};
}

}  // namespace

RasterCanvas::RasterCanvas(int width, int height) { resize(width, height); }

std::uint32_t RasterCanvas::pixelAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return swapRedBlue(pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                             static_cast<std::size_t>(x)]);
}

void RasterCanvas::clear() {
  std::fill(pixels_.begin(), pixels_.end(), 0u);
  originX_ = 0;
  originY_ = 0;
}

void RasterCanvas::resize(int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0u);
  originX_ = 0;
  originY_ = 0;
}

void RasterCanvas::setViewportOrigin(int x, int y) {
  originX_ = x;
  originY_ = y;
}

void RasterCanvas::polygon(std::span<const Point> points, OptionalColor pen, OptionalColor brush) {
  // GDI refuses a polygon of fewer than two points and draws nothing.
  if (points.size() < 2) return;
  if (brush) fillPolygon(points, swapRedBlue(*brush));
  if (pen) {
    const std::uint32_t pixel = swapRedBlue(*pen);
    const std::size_t n = points.size();
    for (std::size_t i = 0; i < n; ++i) {
      const Point a = points[i];
      const Point b = points[i + 1 < n ? i + 1 : 0];
      drawSegment(a.x + originX_, a.y + originY_, b.x + originX_, b.y + originY_, pixel);
    }
  }
}

void RasterCanvas::rectangle(int left, int top, int right, int bottom, OptionalColor pen,
                             OptionalColor brush) {
  i64 l = left + originX_;
  i64 t = top + originY_;
  i64 r = right + originX_;
  i64 b = bottom + originY_;
  if (l > r) std::swap(l, r);
  if (t > b) std::swap(t, b);
  if (l == r || t == b) return;
  if (pen) {
    // The outline is the border of the box l..r-1 x t..b-1; the brush fills what is inside it.
    const std::uint32_t pixel = swapRedBlue(*pen);
    fillBox(l, t, r, t + 1, pixel);
    fillBox(l, b - 1, r, b, pixel);
    fillBox(l, t + 1, l + 1, b - 1, pixel);
    fillBox(r - 1, t + 1, r, b - 1, pixel);
    if (brush) fillBox(l + 1, t + 1, r - 1, b - 1, swapRedBlue(*brush));
  } else if (brush) {
    fillBox(l, t, r - 1, b - 1, swapRedBlue(*brush));
  }
}

void RasterCanvas::line(Point from, Point to, Colorref pen) {
  drawSegment(from.x + originX_, from.y + originY_, to.x + originX_, to.y + originY_,
              swapRedBlue(pen));
}

void RasterCanvas::text(int x, int y, std::string_view text, Colorref color) {
  i64 penX = x + originX_;
  const i64 top = y + originY_;
  if (top >= height_ || top + bitmap_font::kCellHeight <= 0 || penX >= width_) return;
  const std::uint32_t pixel = swapRedBlue(color);
  const int firstRow = static_cast<int>(std::max<i64>(0, -top));
  const int endRow = static_cast<int>(std::min<i64>(bitmap_font::kCellHeight, height_ - top));
  std::uint32_t* const data = pixels_.data();
  for (char c : text) {
    if (penX >= width_) break;
    const bitmap_font::Glyph& glyph = bitmap_font::glyphFor(c);
    if (penX + glyph.width > 0) {
      // Columns of the glyph that land on the surface.
      const i64 firstCol = std::max<i64>(0, -penX);
      const i64 endCol = std::min<i64>(glyph.width, width_ - penX);
      const std::uint32_t visible =
          ((std::uint32_t{1} << endCol) - 1u) & ~((std::uint32_t{1} << firstCol) - 1u);
      for (int row = firstRow; row < endRow; ++row) {
        std::uint32_t bits = glyph.rows[static_cast<std::size_t>(row)] & visible;
        if (bits == 0) continue;
        const i64 base = (top + row) * width_ + penX;
        while (bits != 0) {
          const int start = std::countr_zero(bits);
          const int run = std::countr_one(bits >> start);
          std::fill_n(data + (base + start), run, pixel);
          bits &= ~(((std::uint32_t{1} << run) - 1u) << start);
        }
      }
    }
    penX += glyph.width;
  }
}

void RasterCanvas::fillBox(i64 left, i64 top, i64 right, i64 bottom, std::uint32_t pixel) {
  left = std::max<i64>(left, 0);
  top = std::max<i64>(top, 0);
  right = std::min<i64>(right, width_);
  bottom = std::min<i64>(bottom, height_);
  if (left >= right || top >= bottom) return;
  for (i64 y = top; y < bottom; ++y) {
    std::fill(pixels_.data() + (y * width_ + left), pixels_.data() + (y * width_ + right), pixel);
  }
}

// Scanline y samples the polygon along the line through the pixel centres, y + 1/2. An edge from
// (x0, y0) down to (x1, y1) crosses the scanlines y0 .. y1-1 (vertices lie on whole coordinates, so
// never exactly on a sampling line) at X = x0 + (2(y - y0) + 1) dx / (2 dy). A pixel x of the span
// right of that crossing is in when x + 1/2 >= X, so the span starts at ceil(X - 1/2)
// = floor((2 x0 dy + dy - 1 + (2(y - y0) + 1) dx) / (2 dy)), stepped exactly from row to row.
void RasterCanvas::addEdge(i64 xa, i64 ya, i64 xb, i64 yb) {
  if (ya == yb) return;  // horizontal edges bound no span
  if (ya > yb) {
    std::swap(xa, xb);
    std::swap(ya, yb);
  }
  Edge edge;
  edge.firstRow = std::max<i64>(ya, 0);
  edge.endRow = std::min<i64>(yb, height_);
  if (edge.firstRow >= edge.endRow) return;
  const i64 dy = yb - ya;
  const i64 dx = xb - xa;
  edge.den = 2 * dy;
  // dx = slopeQuot * den + slopeRem keeps the product below within mulAddDiv's range.
  const i64 k = 2 * (edge.firstRow - ya) + 1;
  const i64 slopeQuot = floorDiv(dx, edge.den);
  const i64 slopeRem = dx - slopeQuot * edge.den;
  const QuotRem start = mulAddDiv(k, slopeRem, dy - 1, edge.den);
  edge.x = xa + k * slopeQuot + start.quot;
  edge.rem = start.rem;
  edge.stepX = floorDiv(2 * dx, edge.den);
  edge.stepRem = 2 * dx - edge.stepX * edge.den;
  edges_.push_back(edge);
}

void RasterCanvas::fillPolygon(std::span<const Point> points, std::uint32_t pixel) {
  edges_.clear();
  const std::size_t n = points.size();
  for (std::size_t i = 0; i < n; ++i) {
    const Point a = points[i];
    const Point b = points[i + 1 < n ? i + 1 : 0];
    addEdge(a.x + originX_, a.y + originY_, b.x + originX_, b.y + originY_);
  }
  if (edges_.empty()) return;
  std::sort(edges_.begin(), edges_.end(),
            [](const Edge& a, const Edge& b) { return a.firstRow < b.firstRow; });

  active_.clear();
  std::size_t next = 0;
  i64 y = edges_.front().firstRow;
  std::uint32_t* const data = pixels_.data();
  while (true) {
    std::erase_if(active_, [y](const Edge* e) { return e->endRow <= y; });
    while (next < edges_.size() && edges_[next].firstRow <= y) active_.push_back(&edges_[next++]);
    if (active_.empty()) {
      if (next == edges_.size()) break;
      y = edges_[next].firstRow;
      continue;
    }
    // The crossings move little from one row to the next, so insertion sort is nearly linear.
    for (std::size_t i = 1; i < active_.size(); ++i) {
      Edge* const e = active_[i];
      std::size_t j = i;
      for (; j > 0 && active_[j - 1]->x > e->x; --j) active_[j] = active_[j - 1];
      active_[j] = e;
    }
    // Even-odd: the crossings pair up into spans [left, right).
    std::uint32_t* const row = data + y * width_;
    for (std::size_t i = 0; i + 1 < active_.size(); i += 2) {
      const i64 left = std::max<i64>(active_[i]->x, 0);
      const i64 right = std::min<i64>(active_[i + 1]->x, width_);
      if (left < right) std::fill(row + left, row + right, pixel);
    }
    for (Edge* e : active_) {
      e->x += e->stepX;
      e->rem += e->stepRem;
      if (e->rem >= e->den) {
        e->rem -= e->den;
        ++e->x;
      }
    }
    ++y;
  }
}

// Pixel t (t = 0 .. len-1, the end point t = len left out) of a line lies t steps along the major
// axis and off(t) = round(t * minorLen / len) along the minor one, a half rounding toward the
// smaller coordinate -- down when the minor coordinate grows, up when it shrinks -- so the same
// pixels are lit whichever way the line is drawn. With bias 1 for a shrinking minor coordinate,
// off(t) = floor((2 t minorLen + len - 1 + bias) / (2 len)). Clipping finds the range of t on the
// surface from that formula and starts the stepping there.
void RasterCanvas::drawSegment(i64 xa, i64 ya, i64 xb, i64 yb, std::uint32_t pixel) {
  const i64 dx = xb - xa;
  const i64 dy = yb - ya;
  if (dx == 0 && dy == 0) return;
  const bool xMajor = (dx < 0 ? -dx : dx) > (dy < 0 ? -dy : dy);
  const i64 majorDelta = xMajor ? dx : dy;
  const i64 minorDelta = xMajor ? dy : dx;
  const i64 len = majorDelta < 0 ? -majorDelta : majorDelta;
  const i64 minorLen = minorDelta < 0 ? -minorDelta : minorDelta;
  const i64 majorSign = majorDelta < 0 ? -1 : 1;
  const i64 minorSign = minorDelta < 0 ? -1 : 1;
  const i64 bias = minorDelta < 0 ? 1 : 0;
  const i64 offsetBase = len - 1 + bias;
  const i64 major0 = xMajor ? xa : ya;
  const i64 minor0 = xMajor ? ya : xa;
  const i64 majorSize = xMajor ? width_ : height_;
  const i64 minorSize = xMajor ? height_ : width_;

  // Steps whose major coordinate is on the surface.
  i64 tFirst = 0;
  i64 tLast = len - 1;
  if (majorSign > 0) {
    tFirst = std::max(tFirst, -major0);
    tLast = std::min(tLast, majorSize - 1 - major0);
  } else {
    tFirst = std::max(tFirst, major0 - (majorSize - 1));
    tLast = std::min(tLast, major0);
  }
  if (tFirst > tLast) return;

  // Offsets whose minor coordinate is on the surface; off(t) grows from 0 to at most minorLen.
  const i64 offLow = minorSign > 0 ? -minor0 : minor0 - (minorSize - 1);
  const i64 offHigh = minorSign > 0 ? minorSize - 1 - minor0 : minor0;
  if (offHigh < 0 || offLow > minorLen || offLow > offHigh) return;
  // Both bounds below need minorLen > 0: offLow > 0 and offHigh < minorLen cannot hold otherwise.
  if (offLow > 0) {
    // First t with off(t) >= offLow: t >= (2 len offLow - offsetBase) / (2 minorLen), rounded up.
    const i64 t =
        mulAddDiv(2 * len, offLow - 1, 2 * len - offsetBase + 2 * minorLen - 1, 2 * minorLen).quot;
    tFirst = std::max(tFirst, t);
  }
  if (offHigh < minorLen) {
    // Last t with off(t) <= offHigh: 2 t minorLen + offsetBase < 2 len (offHigh + 1).
    const i64 t = mulAddDiv(2 * len, offHigh, 2 * len - offsetBase - 1, 2 * minorLen).quot;
    tLast = std::min(tLast, t);
  }
  if (tFirst > tLast) return;

  const QuotRem off = mulAddDiv(tFirst, 2 * minorLen, offsetBase, 2 * len);
  const i64 major = major0 + majorSign * tFirst;
  const i64 minor = minor0 + minorSign * off.quot;
  const i64 x = xMajor ? major : minor;
  const i64 y = xMajor ? minor : major;
  const i64 majorStep = xMajor ? majorSign : majorSign * width_;
  const i64 minorStep = xMajor ? minorSign * width_ : minorSign;
  std::uint32_t* p = pixels_.data() + (y * width_ + x);
  i64 rem = off.rem;
  const i64 remStep = 2 * minorLen;
  const i64 remWrap = 2 * len;
  for (i64 count = tLast - tFirst + 1;;) {
    *p = pixel;
    if (--count == 0) break;
    p += majorStep;
    rem += remStep;
    if (rem >= remWrap) {
      rem -= remWrap;
      p += minorStep;
    }
  }
}
