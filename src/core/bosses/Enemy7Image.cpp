#include "bosses/Enemy7Image.h"

#include "math/Angles.h"
#include "math/GameMath.h"

namespace {

// The turns of the folded chain: after each leg and between the two bases.
constexpr double kLegTurn = 2.0195935714285715;
constexpr double kBaseTurn = 2.243992857142857;
// The apex angle of the triangle, 2π/7: a mirrored blade starts this much further on.
constexpr double kApex = 0.8975971428571429;
// The slant of a spoke against its edge, for the first and fourth edge and for the others.
constexpr double kSlantA = 0.44879857142857144;
constexpr double kSlantB = 0.5609982142857143;
// Half the base over a leg, and what sets the spokes' lengths so that they meet in the middle.
constexpr double kHalfBase = 0.4338845929751461;

}  // namespace

Enemy7Image::Enemy7Image(double outerLong, double firstTh, Colorref pen, Colorref brush)
    : outer_long(outerLong),
      base_long(outerLong * kHalfBase + outerLong * kHalfBase),
      first_th(neg_to_pos(firstTh)),
      other_th{kLegTurn, kLegTurn, kBaseTurn, kLegTurn, kLegTurn},
      pencol(pen),
      brushcol(brush) {
  const double d = outer_long * kHalfBase * 0.9009690323808489 / 1.433884592975146;
  inner_long_a = d / 0.4338833975744138;
  inner_long_b = d / 0.5320316752905102;
}

void Enemy7Image::unfold(int n) {
  const double f = (100 - n) / 100.0;
  other_th[0] = other_th[1] = other_th[3] = other_th[4] = f * kLegTurn;
  other_th[2] = f * kBaseTurn;
}

double Enemy7Image::get_other_th(int i) const {
  if (i < 0 || i > 4) return 0.0;
  return other_th[static_cast<std::size_t>(i)];
}

// Edges 1 and 4 are legs with the long spoke, 2 and 5 the bases, 3 and 6 legs with the short one.
Enemy7Image::Edge Enemy7Image::edge(int k) const {
  switch (k % 3) {
    case 1: return {outer_long, inner_long_a, kSlantA};
    case 2: return {base_long, inner_long_b, kSlantB};
    default: return {outer_long, inner_long_b, kSlantB};
  }
}

std::array<Point, Enemy7Image::kPoints> Enemy7Image::outline(double x, double y, double th,
                                                             double scale, bool mirror) const {
  std::array<Point, kPoints> p{};
  p[0] = {gm::truncate(x), gm::truncate(y)};
  double t = first_th + th;
  if (mirror) t += kApex;
  for (int k = 1; k <= 6; ++k) {
    const Edge e = edge(k);
    const Point from = p[static_cast<std::size_t>(k - 1)];
    p[static_cast<std::size_t>(k)] = {gm::truncate(from.x + gm::cos(t) * scale * e.length),
                                      gm::truncate(from.y + gm::sin(t) * scale * e.length)};
    const double spokeTh = mirror ? t - e.slant : t + e.slant;
    p[static_cast<std::size_t>(13 - k)] = {
        gm::truncate(from.x + gm::cos(spokeTh) * scale * e.spoke),
        gm::truncate(from.y + gm::sin(spokeTh) * scale * e.spoke)};
    if (mirror) {
      t -= get_other_th(k - 1);
    } else {
      t += get_other_th(k - 1);
    }
  }
  return p;
}

void Enemy7Image::draw(Canvas& canvas, double x, double y, double th, double scale, Colorref pen,
                       Colorref brush) const {
  drawOutline(canvas, x, y, th, scale, pen, brush, invertpts);
}

void Enemy7Image::drawclockwise(Canvas& canvas, double x, double y, double th, double scale,
                                Colorref pen, Colorref brush) const {
  drawOutline(canvas, x, y, th, scale, pen, brush, false);
}

void Enemy7Image::drawcclockwise(Canvas& canvas, double x, double y, double th, double scale,
                                 Colorref pen, Colorref brush) const {
  drawOutline(canvas, x, y, th, scale, pen, brush, true);
}

// The whole outline filled, then the five triangles between the chain and the spokes drawn over
// it, whose edges show the spokes.
void Enemy7Image::drawOutline(Canvas& canvas, double x, double y, double th, double scale,
                              Colorref pen, Colorref brush, bool mirror) const {
  const Colorref penColour = pen == kOwnColor ? pencol : pen;
  const Colorref brushColour = brush == kOwnColor ? brushcol : brush;
  const std::array<Point, kPoints> p = outline(x, y, th, scale, mirror);
  canvas.polygon(p, penColour, brushColour);
  for (std::size_t j = 0; j < 5; ++j) {
    const std::array<Point, 3> spoke = {p[j], p[j + 1], p[12 - j]};
    canvas.polygon(spoke, penColour, brushColour);
  }
}

// A spoke end (7..12) lies at the end of the spoke that starts where edge 13 - i starts, as the
// outline places it.
void Enemy7Image::get_xy(int i, double th, double scale, double& ox, double& oy, double x,
                         double y) const {
  ox = x;
  oy = y;
  if (i < 0 || i >= kPoints) return;
  double t = th + first_th;
  const bool spokeEnd = i >= kChainPoints;
  if (spokeEnd) i = kPoints - i;
  double s = 1;
  if (invertpts) {
    t += kApex;
    s = -1;
  }
  for (int k = 1; k <= i; ++k) {
    const Edge e = edge(k);
    if (spokeEnd && k == i) {
      ox += gm::cos(s * e.slant + t) * scale * e.spoke;
      oy += gm::sin(s * e.slant + t) * scale * e.spoke;
    } else {
      ox += gm::cos(t) * scale * e.length;
      oy += gm::sin(t) * scale * e.length;
    }
    t += s * get_other_th(k - 1);
  }
}
