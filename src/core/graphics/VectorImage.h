#pragma once

#include <vector>

#include "graphics/Canvas.h"

// A closed polygon held in polar form around its own origin, drawn at any position, rotation and
// scale. Subclasses set their points in their constructors; some owners move points while playing.
class VectorImage {
 public:
  VectorImage(int points, Colorref pencol, Colorref brushcol);
  virtual ~VectorImage() = default;
  VectorImage(const VectorImage&) = delete;
  VectorImage& operator=(const VectorImage&) = delete;

  // Point i from a Cartesian offset; an index out of range is ignored.
  void set_xy(int i, double x, double y);
  // Point i from a radius and an angle in radians; an index out of range is ignored.
  void set_rth(int i, double r, double th);
  // Point i turned and scaled; 0 and 0 for an index out of range. Null outputs are skipped.
  void get_xy(int i, double rotation, double scale, double* x, double* y) const;
  void get_rth(int i, double rotation, double scale, double* r, double* th) const;

  // Draws the polygon centred at (x, y). kOwnColor for pen or brush means the image's own colour.
  virtual void draw(Canvas& canvas, double x, double y, double rotation, double scale, Colorref pen,
                    Colorref brush) const;

  Colorref get_pencol() const { return pencol; }
  Colorref get_brushcol() const { return brushcol; }
  int size() const { return n; }

 protected:
  // The device points of the polygon: rotated, scaled, moved and truncated toward zero.
  std::span<const Point> devicePoints(double x, double y, double rotation, double scale) const;

 private:
  std::vector<double> radii;
  std::vector<double> angles;
  int n;
  Colorref pencol;
  Colorref brushcol;
  mutable std::vector<Point> scratch_;
};
