#include "graphics/VectorImage.h"

#include <cassert>
#include <cmath>

#include "math/Angles.h"
#include "math/GameMath.h"

VectorImage::VectorImage(int points, Colorref pen, Colorref brush)
    : radii(static_cast<std::size_t>(points), 0.0),
      angles(static_cast<std::size_t>(points), 0.0),
      n(points),
      pencol(pen),
      brushcol(brush),
      scratch_(static_cast<std::size_t>(points)) {}

void VectorImage::set_xy(int i, double x, double y) {
  if (i < 0 || i >= n) return;
  radii[static_cast<std::size_t>(i)] = gm::sqrt(x * x + y * y);
  angles[static_cast<std::size_t>(i)] = gm::atan2(y, x);
}

void VectorImage::set_rth(int i, double r, double th) {
  if (i < 0 || i >= n) return;
  radii[static_cast<std::size_t>(i)] = r;
  angles[static_cast<std::size_t>(i)] = th;
}

void VectorImage::get_xy(int i, double rotation, double scale, double* x, double* y) const {
  double px = 0.0;
  double py = 0.0;
  if (i >= 0 && i < n) {
    const auto k = static_cast<std::size_t>(i);
    double sine = 0.0;
    double cosine = 0.0;
    gm::sincos(angles[k] + rotation, sine, cosine);
    px = cosine * radii[k] * scale;
    py = sine * radii[k] * scale;
  }
  if (x) *x = px;
  if (y) *y = py;
}

void VectorImage::get_rth(int i, double rotation, double scale, double* r, double* th) const {
  double pr = 0.0;
  double pth = 0.0;
  if (i >= 0 && i < n) {
    const auto k = static_cast<std::size_t>(i);
    pr = radii[k] * scale;
    pth = neg_to_pos(angles[k] + rotation);
  }
  if (r) *r = pr;
  if (th) *th = pth;
}

std::span<const Point> VectorImage::devicePoints(double x, double y, double rotation,
                                                 double scale) const {
  // The truncation would quietly draw a NaN at 0 and an infinity far off; debug builds stop there.
  assert(std::isfinite(x) && std::isfinite(y) && std::isfinite(rotation) && std::isfinite(scale));
  // The arithmetic of get_xy, point by point, without its checks.
  for (std::size_t k = 0; k < static_cast<std::size_t>(n); ++k) {
    double sine = 0.0;
    double cosine = 0.0;
    gm::sincos(angles[k] + rotation, sine, cosine);
    const double px = cosine * radii[k] * scale;
    const double py = sine * radii[k] * scale;
    scratch_[k] = {gm::truncate(px + x), gm::truncate(py + y)};
  }
  return scratch_;
}

void VectorImage::draw(Canvas& canvas, double x, double y, double rotation, double scale,
                       Colorref pen, Colorref brush) const {
  const Colorref penColour = pen == kOwnColor ? pencol : pen;
  const Colorref brushColour = brush == kOwnColor ? brushcol : brush;
  canvas.polygon(devicePoints(x, y, rotation, scale), penColour, brushColour);
}
