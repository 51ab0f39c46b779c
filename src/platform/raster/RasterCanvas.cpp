#include "RasterCanvas.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <utility>

#include "BitmapFont.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

using i64 = std::int64_t;

// Colorref 0x00BBGGRR to the buffer's 0x00RRGGBB, and back (the same byte swap).
constexpr std::uint32_t swapRedBlue(std::uint32_t c) {
  return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

// All ones when rem >= wrap, else 0, for 0 <= rem < 2 wrap: the carry of the exact stepping along
// edges and lines. It is as good as random, so it is computed rather than branched on (a branch
// would be mispredicted about half the time).
constexpr i64 overflowMask(i64 rem, i64 wrap) { return (wrap - 1 - rem) >> 63; }

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

// ceil(2^32 / d), 0 for d = 0. For 0 <= n with n * d < 2^32, (n * kReciprocal[d]) >> 32 is exactly
// floor(n / d): the product overshoots n * 2^32 / d by less than n, which stays below the 1 / d
// that separates n / d from the next whole number. Short edges and segments step their crossings
// with it as one 32.32 fixed-point add per pixel instead of a remainder chain.
constexpr std::array<std::uint64_t, 1024> kReciprocal = [] {
  std::array<std::uint64_t, 1024> table{};
  for (std::uint64_t d = 1; d < table.size(); ++d)
    table[d] = ((std::uint64_t{1} << 32) + d - 1) / d;
  return table;
}();

// Sets n >= 1 pixels from p on. Spans are mostly short and of every length, and the end of a loop
// over them would be mispredicted nearly every time, so up to 16 pixels are written by a fixed
// number of stores that overlap as needed.
inline void fillSpan(std::uint32_t* p, i64 n, std::uint32_t pixel) {
  if (n < 4) {
    p[0] = pixel;
    p[(n - 1) >> 1] = pixel;
    p[n - 1] = pixel;
    return;
  }
#if defined(__SSE2__)
  const __m128i group = _mm_set1_epi32(static_cast<int>(pixel));
  const auto store = [group](std::uint32_t* at) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(at), group);
  };
  const i64 last = n - 4;
  if (n <= 16) {
    store(p);
    store(p + std::min<i64>(4, last));
    store(p + std::min<i64>(8, last));
    store(p + last);
    return;
  }
  for (i64 i = 0; i < last; i += 4) store(p + i);
  store(p + last);
#else
  std::fill_n(p, n, pixel);
#endif
}

// Fills the pixels set in each of `rows` row masks (bit i for row[i]), row by row down the surface,
// and clears the masks.
void fillMaskedRows(std::uint64_t* masks, i64 rows, std::uint32_t* row, i64 pitch,
                    std::uint32_t pixel) {
  for (std::uint64_t* const end = masks + rows; masks != end; ++masks, row += pitch) {
    std::uint64_t bits = *masks;
    *masks = 0;
    while (bits != 0) {
      const int first = std::countr_zero(bits);
      fillSpan(row + first, std::countr_one(bits >> first), pixel);
      bits &= bits + (bits & (~bits + 1));  // the lowest run of ones carries away
    }
  }
}

// Pixels t = 0 .. len-1 of a line wholly on the surface (see drawSegment), 1 <= len <= kSteps, with
// fixed code: the steps past the last pixel stay on it, so no loop ends at an unpredictable pixel.
// The minor offset off(t) = floor((2 t minorLen + len - 1 + bias) / (2 len)) is stepped in 32.32
// fixed point (see kReciprocal), leaving no chain of remainder updates from pixel to pixel.
template <int kSteps>
inline void drawShortSegment(std::uint32_t* p, i64 len, i64 minorLen, i64 bias, i64 majorStep,
                             i64 minorStep, std::uint32_t pixel) {
  const auto reciprocal = static_cast<i64>(kReciprocal[static_cast<std::size_t>(2 * len)]);
  i64 fixed = (len - 1 + bias) * reciprocal;
  const i64 step = 2 * minorLen * reciprocal;
  i64 major = 0;
  for (i64 t = 1; t <= kSteps; ++t) {
    p[major + (fixed >> 32) * minorStep] = pixel;
    const i64 more = (t - len) >> 63;  // all ones while pixel t is on the line
    fixed += step & more;
    major += majorStep & more;
  }
}

// The font's ink as horizontal runs of one or two pixels per byte (longer ones cut up), so a glyph
// is drawn with two stores per run instead of testing each bit of its 16 rows, and nothing
// branches on how long a run is.
struct InkRun {
  std::uint8_t row;
  std::uint8_t col;
  std::uint8_t length;  // 1 or 2
};

struct InkRuns {
  std::array<std::uint32_t, 257> first{};  // byte c's runs are runs[first[c] .. first[c + 1])
  std::vector<InkRun> runs;
};

const InkRuns& inkRuns() {
  static const InkRuns table = [] {
    InkRuns t;
    for (int byte = 0; byte < 256; ++byte) {
      t.first[static_cast<std::size_t>(byte)] = static_cast<std::uint32_t>(t.runs.size());
      const bitmap_font::Glyph& glyph = bitmap_font::glyphFor(static_cast<char>(byte));
      for (int row = 0; row < bitmap_font::kCellHeight; ++row) {
        std::uint32_t bits = glyph.rows[static_cast<std::size_t>(row)];
        while (bits != 0) {
          const int col = std::countr_zero(bits);
          const int length = std::min(std::countr_one(bits >> col), 2);
          t.runs.push_back({static_cast<std::uint8_t>(row), static_cast<std::uint8_t>(col),
                            static_cast<std::uint8_t>(length)});
          bits &= ~(((std::uint32_t{1} << length) - 1u) << col);
        }
      }
    }
    t.first[256] = static_cast<std::uint32_t>(t.runs.size());
    return t;
  }();
  return table;
}

}  // namespace

RasterCanvas::RasterCanvas(int width, int height)
    : rowMasks_(static_cast<std::size_t>(kMaxMaskRows + kEdgeRowsPerRound), 0) {
  resize(width, height);
}

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

void RasterCanvas::dim() {
  for (std::uint32_t& pixel : pixels_) pixel = (pixel >> 2) & 0x003F3F3Fu;
}

void RasterCanvas::resize(int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0u);
  originX_ = 0;
  originY_ = 0;
  listShortSegments();
}

void RasterCanvas::setViewportOrigin(int x, int y) {
  originX_ = x;
  originY_ = y;
}

void RasterCanvas::polygon(std::span<const Point> points, OptionalColor pen, OptionalColor brush) {
  // GDI refuses a polygon of fewer than two points and draws nothing.
  if (points.size() < 2) return;
  i64 minX = points[0].x;
  i64 maxX = minX;
  i64 minY = points[0].y;
  i64 maxY = minY;
  for (const Point p : points) {
    minX = std::min<i64>(minX, p.x);
    maxX = std::max<i64>(maxX, p.x);
    minY = std::min<i64>(minY, p.y);
    maxY = std::max<i64>(maxY, p.y);
  }
  minX += originX_;
  maxX += originX_;
  minY += originY_;
  maxY += originY_;
  if (brush) {
    // The fill covers columns minX..maxX-1 and rows minY..maxY-1 at most.
    const bool small = minX >= 0 && maxX <= width_ && minY >= 0 && maxY <= height_ &&
                       maxX - minX < kMaskBits && maxY - minY <= kMaxMaskRows;
    if (small) {
      fillSmallPolygon(points, minX, minY, maxY - minY, swapRedBlue(*brush));
    } else {
      fillPolygon(points, swapRedBlue(*brush));
    }
  }
  if (pen) {
    const std::uint32_t pixel = swapRedBlue(*pen);
    const std::size_t n = points.size();
    const bool onSurface = minX >= 0 && maxX < width_ && minY >= 0 && maxY < height_;
    for (std::size_t i = 0; i < n; ++i) {
      const Point a = points[i];
      const Point b = points[i + 1 < n ? i + 1 : 0];
      if (onSurface) {
        drawSegmentOnSurface(a.x + originX_, a.y + originY_, b.x + originX_, b.y + originY_, pixel);
      } else {
        drawSegment(a.x + originX_, a.y + originY_, b.x + originX_, b.y + originY_, pixel);
      }
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
    // GDI outlines the box as a closed line through its four corner pixels; for a 1 x 1 box those
    // are one point and every segment has no length, so nothing at all is drawn.
    if (r - l == 1 && b - t == 1) return;
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
  const bool wholeCellHeight = top >= 0 && top + bitmap_font::kCellHeight <= height_;
  const InkRuns& ink = inkRuns();
  const InkRun* const runs = ink.runs.data();
  std::uint32_t* const data = pixels_.data();
  std::array<i64, bitmap_font::kCellHeight> rowOffset;
  for (int row = 0; row < bitmap_font::kCellHeight; ++row) rowOffset[row] = row * i64{width_};
  for (char c : text) {
    if (penX >= width_) break;
    const bitmap_font::Glyph& glyph = bitmap_font::glyphFor(c);
    if (wholeCellHeight && penX >= 0 && penX + glyph.width <= width_) {
      std::uint32_t* const cell = data + (top * width_ + penX);
      const auto byte = static_cast<unsigned char>(c);
      const InkRun* const end = runs + ink.first[byte + 1u];
      for (const InkRun* run = runs + ink.first[byte]; run != end; ++run) {
        const InkRun r = *run;
        std::uint32_t* const p = cell + rowOffset[r.row] + r.col;
        p[0] = pixel;
        p[r.length - 1] = pixel;
      }
    } else if (penX + glyph.width > 0) {
      drawClippedGlyph(glyph, penX, top, pixel);
    }
    penX += glyph.width;
  }
}

// A glyph partly off the surface: its rows and columns masked to what is on it.
void RasterCanvas::drawClippedGlyph(const bitmap_font::Glyph& glyph, i64 left, i64 top,
                                    std::uint32_t pixel) {
  const i64 firstRow = std::max<i64>(0, -top);
  const i64 endRow = std::min<i64>(bitmap_font::kCellHeight, height_ - top);
  const i64 firstCol = std::max<i64>(0, -left);
  const i64 endCol = std::min<i64>(glyph.width, width_ - left);
  const std::uint32_t visible =
      ((std::uint32_t{1} << endCol) - 1u) & ~((std::uint32_t{1} << firstCol) - 1u);
  for (i64 row = firstRow; row < endRow; ++row) {
    std::uint32_t bits = glyph.rows[static_cast<std::size_t>(row)] & visible;
    std::uint32_t* const line = pixels_.data() + (top + row) * width_;
    while (bits != 0) {
      line[left + std::countr_zero(bits)] = pixel;
      bits &= bits - 1u;
    }
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

// GDI decides whether a pixel belongs to a polygon by the pixel's top-left corner, the whole-number
// point (x, y). An edge from (x0, y0) down to (x1, y1) crosses scanlines y0 .. y1-1 (the top one
// in, the bottom one out) at X = x0 + (y - y0) dx / dy, and a pixel right of the crossing is in
// when x >= X, so its span starts at ceil(X) = x0 + floor(((y - y0) dx + dy - 1) / dy), stepped
// exactly from row to row. Spans end the same way before the right-hand crossing, so a corner on a
// left edge is in and one on a right edge out.
inline bool RasterCanvas::makeEdge(i64 xa, i64 ya, i64 xb, i64 yb, Edge& edge) const {
  // Written without branches where the outcome is as good as random from edge to edge (direction,
  // slope): mispredicting them would cost more than the arithmetic.
  const bool down = ya < yb;
  const i64 x0 = down ? xa : xb;
  const i64 y0 = down ? ya : yb;
  const i64 dx = down ? xb - xa : xa - xb;
  const i64 dy = down ? yb - ya : ya - yb;
  edge.firstRow = std::max<i64>(y0, 0);
  edge.endRow = std::min<i64>(y0 + dy, height_);
  if (dy == 0 || edge.firstRow >= edge.endRow) return false;  // horizontal or off the surface
  edge.den = dy;
  // dx = slopeQuot * dy + slopeRem with 0 <= slopeRem < dy.
  i64 slopeQuot = dx / dy;
  i64 slopeRem = dx % dy;
  const i64 negative = slopeRem >> 63;
  slopeQuot += negative;
  slopeRem += dy & negative;
  edge.stepX = slopeQuot;
  edge.stepRem = slopeRem;
  // Crossing on the first row, k rows below y0 when the edge starts above the surface.
  const i64 k = edge.firstRow - y0;
  const QuotRem start = k == 0 ? QuotRem{0, dy - 1} : mulAddDiv(k, slopeRem, dy - 1, dy);
  edge.x = x0 + k * slopeQuot + start.quot;
  edge.rem = start.rem;
  return true;
}

// Most shapes are y-monotone: going round the outline, y falls to the bottom once and rises back to
// the top once. Every scanline then meets exactly one edge of the falling chain and one of the
// rising chain, and the span between them is filled straight away, stepping both edges down
// together. Returns false, drawing nothing, for other outlines.
bool RasterCanvas::fillMonotonePolygon(std::span<const Point> points, std::uint32_t pixel) {
  const std::size_t n = points.size();
  const auto next = [n](std::size_t i) { return i + 1 < n ? i + 1 : 0; };
  const auto prev = [n](std::size_t i) { return i > 0 ? i - 1 : n - 1; };
  // Count the changes between falling and rising round the outline, flat edges not counting.
  // The loops compute rather than branch, as every vertex's outcome is as good as random.
  std::size_t topIndex = 0;
  int direction = 0;
  for (std::size_t i = 0; i < n; ++i) {
    topIndex = points[i].y < points[topIndex].y ? i : topIndex;
    const int d = (points[next(i)].y > points[i].y) - (points[next(i)].y < points[i].y);
    direction = d != 0 ? d : direction;
  }
  int turns = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const int d = (points[next(i)].y > points[i].y) - (points[next(i)].y < points[i].y);
    turns += (d != 0) & (d != direction);
    direction = d != 0 ? d : direction;
  }
  if (turns != 2) return false;

  // Both chains run from the top vertex down to the bottom; horizontal edges and those off the
  // surface drop out, leaving each chain's edges covering the same scanlines one after another.
  // Walks one chain from the top vertex while it keeps going down, collecting its edges.
  auto collectChain = [&](auto step, Edge* out) {
    std::size_t count = 0;
    for (std::size_t i = topIndex, k = 0; k < n && points[step(i)].y >= points[i].y;
         ++k, i = step(i)) {
      const Point a = points[i];
      const Point b = points[step(i)];
      if (makeEdge(a.x + originX_, a.y + originY_, b.x + originX_, b.y + originY_, out[count])) {
        ++count;
      }
    }
    return count;
  };
  Edge* const falling = edges_.data();
  const std::size_t fallingCount = collectChain(next, falling);
  Edge* const rising = falling + fallingCount;
  const std::size_t risingCount = collectChain(prev, rising);
  if (fallingCount == 0 || risingCount == 0) return true;  // nothing on the surface

  // The edges are stepped in place, and the switch to a chain's next edge at a vertex is an
  // increment rather than a branch.
  Edge* a = falling;
  Edge* b = rising;
  const i64 end = falling[fallingCount - 1].endRow;
  std::uint32_t* row = pixels_.data() + a->firstRow * width_;
  for (i64 y = a->firstRow; y < end; ++y, row += width_) {
    a += y == a->endRow;
    b += y == b->endRow;
    const i64 left = std::max<i64>(std::min(a->x, b->x), 0);
    const i64 right = std::min<i64>(std::max(a->x, b->x), width_);
    if (left < right) fillSpan(row + left, right - left, pixel);
    for (Edge* e : {a, b}) {
      e->rem += e->stepRem;
      const i64 carry = overflowMask(e->rem, e->den);
      e->x += e->stepX - carry;
      e->rem -= e->den & carry;
    }
  }
  return true;
}

// A polygon narrow enough for each of its rows to be a 64-bit mask, bit i for column left + i, and
// wholly on the surface. Even-odd needs no sorting then: a crossing at column x flips every pixel
// from x rightwards, so each edge XORs ~0 << (x - left) into the rows it crosses, and what is left
// set in a row after all edges are its pixels. Edges step their crossings in 32.32 fixed point,
// exact for these sizes (see kReciprocal), kEdgeRowsPerRound rows at a time with fixed code: rows
// past the edge's end get nothing XORed in, so no loop ends at an unpredictable row.
void RasterCanvas::fillSmallPolygon(std::span<const Point> points, i64 left, i64 top, i64 rows,
                                    std::uint32_t pixel) {
  std::uint64_t* const masks = rowMasks_.data();
  const std::size_t n = points.size();
  const i64 shiftX = originX_ - left;
  const i64 shiftY = originY_ - top;
  for (std::size_t i = 0; i < n; ++i) {
    const Point a = points[i];
    const Point b = points[i + 1 < n ? i + 1 : 0];
    const i64 xa = a.x + shiftX;
    const i64 ya = a.y + shiftY;
    const i64 xb = b.x + shiftX;
    const i64 yb = b.y + shiftY;
    // Oriented downwards, without branches: which way an edge runs is as good as random.
    const i64 up = (yb - ya) >> 63;  // all ones when b is above a
    const i64 x0 = xa ^ ((xa ^ xb) & up);
    const i64 y0 = ya ^ ((ya ^ yb) & up);
    const i64 dx = ((xb - xa) ^ up) - up;
    const i64 dy = ((yb - ya) ^ up) - up;
    // Crossing k rows below y0: x0 + floor((k dx + dy - 1) / dy) (see makeEdge), which is
    // floor(((x0 + 1) dy - 1 + k dx) / dy) with a numerator that is never negative, as no crossing
    // lies left of the polygon.
    const auto reciprocal = static_cast<i64>(kReciprocal[static_cast<std::size_t>(dy)]);
    i64 fixed = ((x0 + 1) * dy - 1) * reciprocal;
    const i64 step = dx * reciprocal;
    std::uint64_t* mask = masks + y0;
    for (i64 k = 0;; k += kEdgeRowsPerRound, mask += kEdgeRowsPerRound) {
      for (int j = 0; j < kEdgeRowsPerRound; ++j) {
        const auto on = static_cast<std::uint64_t>((k + j - dy) >> 63);  // row k + j crossed
        mask[j] ^= (~std::uint64_t{0} << ((fixed >> 32) & (kMaskBits - 1))) & on;
        fixed += step;
      }
      if (k + kEdgeRowsPerRound >= dy) break;
    }
  }

  std::uint32_t* const row = pixels_.data() + (top * width_ + left);
  fillMaskedRows(masks, rows, row, width_, pixel);
}

// The crossings of all edges are bucketed by scanline (a counting sort: count per row, then each
// edge walks down its rows writing into its slots), then every row's few crossings are sorted and
// pair up into spans. There is no per-row edge list to maintain, which for the game's many small
// shapes would cost more than the filling itself.
void RasterCanvas::fillPolygon(std::span<const Point> points, std::uint32_t pixel) {
  const std::size_t n = points.size();
  if (edges_.size() < n) edges_.resize(n);
  if (fillMonotonePolygon(points, pixel)) return;
  Edge* const edges = edges_.data();
  std::size_t edgeCount = 0;
  i64 top = height_;
  i64 bottom = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const Point a = points[i];
    const Point b = points[i + 1 < n ? i + 1 : 0];
    Edge& e = edges[edgeCount];
    if (makeEdge(a.x + originX_, a.y + originY_, b.x + originX_, b.y + originY_, e)) {
      top = std::min(top, e.firstRow);
      bottom = std::max(bottom, e.endRow);
      ++edgeCount;
    }
  }
  if (edgeCount == 0) return;
  const auto rows = static_cast<std::size_t>(bottom - top);

  // rowSlots_[r] first counts the edges starting minus those ending at row top + r, then becomes
  // the index of the row's first crossing.
  if (rowSlots_.size() < rows + 1) rowSlots_.resize(rows + 1);
  i64* const slots = rowSlots_.data();  // indexed by scanline - top
  std::fill_n(slots, rows + 1, 0);
  for (const Edge& e : std::span(edges, edgeCount)) {
    ++slots[e.firstRow - top];
    --slots[e.endRow - top];
  }
  i64 crossingRows = 0;
  i64 total = 0;
  for (std::size_t r = 0; r < rows; ++r) {
    crossingRows += slots[r];
    slots[r] = total;
    total += crossingRows;
  }
  if (crossings_.size() < static_cast<std::size_t>(total)) {
    crossings_.resize(static_cast<std::size_t>(total));
  }
  i64* const crossings = crossings_.data();
  for (const Edge& e : std::span(edges, edgeCount)) {
    // Locals, not e's fields: the crossing stores could alias them and force reloads.
    i64 x = e.x;
    i64 rem = e.rem;
    const i64 den = e.den;
    const i64 stepX = e.stepX;
    const i64 stepRem = e.stepRem;
    i64* const slotEnd = slots + (e.endRow - top);
    for (i64* slot = slots + (e.firstRow - top); slot != slotEnd; ++slot) {
      crossings[(*slot)++] = x;
      rem += stepRem;
      const i64 carry = overflowMask(rem, den);
      x += stepX - carry;
      rem -= den & carry;
    }
  }

  // Each row's slot index has moved on to the next row's first crossing.
  std::uint32_t* row = pixels_.data() + top * width_;
  i64 begin = 0;
  for (std::size_t r = 0; r < rows; ++r, row += width_) {
    const i64 end = slots[r];
    i64* const xs = crossings + begin;
    const i64 count = end - begin;
    begin = end;
    if (count == 2) {  // by far the most common row
      const i64 left = std::max<i64>(std::min(xs[0], xs[1]), 0);
      const i64 right = std::min<i64>(std::max(xs[0], xs[1]), width_);
      if (left < right) fillSpan(row + left, right - left, pixel);
      continue;
    }
    for (i64 i = 1; i < count; ++i) {
      const i64 v = xs[i];
      i64 j = i;
      for (; j > 0 && xs[j - 1] > v; --j) xs[j] = xs[j - 1];
      xs[j] = v;
    }
    // Even-odd: the crossings pair up into spans [left, right).
    for (i64 i = 0; i + 1 < count; i += 2) {
      const i64 left = std::max<i64>(xs[i], 0);
      const i64 right = std::min<i64>(xs[i + 1], width_);
      if (left < right) fillSpan(row + left, right - left, pixel);
    }
  }
}

// Pixel t (t = 0 .. len-1, the end point t = len left out) of a line lies t steps along the major
// axis and off(t) = round(t * minorLen / len) along the minor one, a half rounding toward the
// smaller coordinate -- down when the minor coordinate grows, up when it shrinks -- so the same
// pixels are lit whichever way the line is drawn. With bias 1 for a shrinking minor coordinate,
// off(t) = floor((2 t minorLen + len - 1 + bias) / (2 len)). Clipping finds the range of t on the
// surface from that formula and starts the stepping there.
void RasterCanvas::drawSegment(i64 xa, i64 ya, i64 xb, i64 yb, std::uint32_t pixel) {
  if (xa >= 0 && xa < width_ && ya >= 0 && ya < height_ && xb >= 0 && xb < width_ && yb >= 0 &&
      yb < height_) {
    drawSegmentOnSurface(xa, ya, xb, yb, pixel);
    return;
  }

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
  const QuotRem off = tFirst == 0 ? QuotRem{0, offsetBase}  // offsetBase < 2 len
                                  : mulAddDiv(tFirst, 2 * minorLen, offsetBase, 2 * len);

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
    rem += remStep;
    const i64 carry = overflowMask(rem, remWrap);
    rem -= remWrap & carry;
    p += majorStep + (minorStep & carry);
  }
}

// The same pixels as drawSegment for a line whose end points are both on the surface, so that every
// pixel between them is too and nothing needs clipping: the outline of nearly every shape.
inline void RasterCanvas::drawSegmentOnSurface(i64 xa, i64 ya, i64 xb, i64 yb,
                                               std::uint32_t pixel) {
  // Without branches: which way a segment runs is as good as random from one to the next.
  const i64 dx = xb - xa;
  const i64 dy = yb - ya;
  const i64 signX = dx >> 63;  // all ones when going left
  const i64 signY = dy >> 63;  // all ones when going up
  const i64 lenX = (dx ^ signX) - signX;
  const i64 lenY = (dy ^ signY) - signY;
  const i64 xMajor = (lenY - lenX) >> 63;  // all ones when lenX > lenY
  const i64 len = lenY ^ ((lenX ^ lenY) & xMajor);
  const i64 minorLen = lenX ^ lenY ^ len;
  const i64 majorBack = signY ^ ((signX ^ signY) & xMajor);  // major coordinate shrinking
  const i64 minorBack = signX ^ signY ^ majorBack;
  std::uint32_t* const p = pixels_.data() + (ya * width_ + xa);
  // Nearly every outline segment of the game's shapes is short enough to have its pixels listed.
  if (len <= kShortSegment && !shortSegments_.empty()) {
    if (len == 0) return;
    const auto shape = static_cast<std::size_t>(((len - 1) * (kShortSegment + 1) + minorLen) * 8 +
                                                (xMajor & 4) + (majorBack & 2) + (minorBack & 1));
    const std::int32_t* const offsets = shortSegments_.data() + shape * kShortSegment;
    for (int t = 0; t < kShortSegment; ++t) p[offsets[t]] = pixel;
    return;
  }
  const i64 majorStep = xMajor ? (signX | 1) : (i64{width_} ^ signY) - signY;
  const i64 minorStep = xMajor ? (i64{width_} ^ signY) - signY : (signX | 1);
  const i64 bias = minorBack & 1;
  if (len <= 16) {
    drawShortSegment<16>(p, len, minorLen, bias, majorStep, minorStep, pixel);
    return;
  }
  const i64 remStep = 2 * minorLen;
  const i64 remWrap = 2 * len;
  i64 rem = len - 1 + bias;
  // Stepping past the last pixel lands on the end point, which is on the surface too.
  std::uint32_t* q = p;
  for (i64 t = 0; t < len; ++t) {
    *q = pixel;
    rem += remStep;
    const i64 carry = overflowMask(rem, remWrap);
    rem -= remWrap & carry;
    q += majorStep + (minorStep & carry);
  }
}

// shortSegments_ lists, for every on-surface segment of 1 to kShortSegment pixels, the offsets of
// its pixels from its first one in the buffer: kShortSegment offsets per segment shape, those past
// the segment's length repeating its last pixel so every shape is drawn by the same fixed stores.
// Shapes are numbered by length, minor length, major axis and the directions along both axes.
void RasterCanvas::listShortSegments() {
  shortSegments_.clear();
  // Offsets must fit 32 bits; a surface this wide draws every segment by stepping instead.
  if (width_ > (1 << 26)) return;
  const i64 shapes = i64{kShortSegment} * (kShortSegment + 1) * 8;
  shortSegments_.resize(static_cast<std::size_t>(shapes * kShortSegment));
  for (i64 len = 1; len <= kShortSegment; ++len) {
    for (i64 minorLen = 0; minorLen <= kShortSegment; ++minorLen) {
      for (i64 kind = 0; kind < 8; ++kind) {
        const bool xMajor = (kind & 4) != 0;
        const i64 majorSign = (kind & 2) != 0 ? -1 : 1;
        const i64 bias = kind & 1;
        const i64 minorSign = bias != 0 ? -1 : 1;
        const i64 majorStep = majorSign * (xMajor ? 1 : i64{width_});
        const i64 minorStep = minorSign * (xMajor ? i64{width_} : 1);
        const i64 shape = ((len - 1) * (kShortSegment + 1) + minorLen) * 8 + kind;
        for (i64 t = 0; t < kShortSegment; ++t) {
          const i64 step = std::min(t, len - 1);
          const i64 off = (2 * step * minorLen + len - 1 + bias) / (2 * len);
          shortSegments_[static_cast<std::size_t>(shape * kShortSegment + t)] =
              static_cast<std::int32_t>(step * majorStep + off * minorStep);
        }
      }
    }
  }
}
