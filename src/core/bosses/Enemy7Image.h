#pragma once

#include <array>

#include "graphics/Canvas.h"
#include "graphics/Color.h"

// One blade of the level-3 boss: a chain of six edges from the drawing point that, with its
// standard turns, runs twice around an isosceles triangle whose apex is the drawing point, plus
// spokes from the chain towards the triangle's middle. Seven blades turned by 2π/7 each make a
// heptagon. Unfolding lessens the turns, so the chain opens into a zig-zag and at last into a
// straight spoke; mirroring draws it turning the other way.
class Enemy7Image {
 public:
  static constexpr int kChainPoints = 7;  // 0 (the drawing point) to 6 (the chain's far end)
  static constexpr int kPoints = 13;      // the chain and, from 7 to 12, the spoke ends

  Enemy7Image(double outer_long, double first_th, Colorref pen, Colorref brush);

  // Lessens every turn of the chain to (100 - n) hundredths: 0 folds the triangle, 100 lays all
  // six edges on one line, above 100 the chain folds the other way.
  void unfold(int n);

  // The blade as draw() shows it: mirrored when invertpts is set. kOwnColor for pen or brush means
  // the blade's own colour.
  void draw(Canvas& canvas, double x, double y, double th, double scale, Colorref pen,
            Colorref brush) const;
  void drawclockwise(Canvas& canvas, double x, double y, double th, double scale, Colorref pen,
                     Colorref brush) const;
  void drawcclockwise(Canvas& canvas, double x, double y, double th, double scale, Colorref pen,
                      Colorref brush) const;

  // Where point i of the blade drawn at (x, y), rotation th and scale lies, untruncated. An index
  // outside 0..12 leaves (x, y).
  void get_xy(int i, double th, double scale, double& ox, double& oy, double x, double y) const;

  void set_first_th(double th) { first_th = th; }
  double get_first_th() const { return first_th; }
  void set_invertpts(bool invert) { invertpts = invert; }
  bool get_invertpts() const { return invertpts; }
  double get_outer_long() const { return outer_long; }
  Colorref get_pencol() const { return pencol; }
  Colorref get_brushcol() const { return brushcol; }
  // The turn after edge i + 1 (0..4); 0.0 after the last edge or for any other i.
  double get_other_th(int i) const;

  // The 13 device points of the blade drawn turning clockwise (mirror false) or counter-clockwise.
  std::array<Point, kPoints> outline(double x, double y, double th, double scale,
                                     bool mirror) const;

 private:
  struct Edge {
    double length;  // along the chain
    double spoke;   // from the edge's start towards the middle
    double slant;   // of the spoke against the edge
  };
  Edge edge(int k) const;
  void drawOutline(Canvas& canvas, double x, double y, double th, double scale, Colorref pen,
                   Colorref brush, bool mirror) const;

  double outer_long;
  double inner_long_a;
  double inner_long_b;
  double base_long;
  double first_th;
  std::array<double, 5> other_th;
  bool invertpts = false;
  Colorref pencol;
  Colorref brushcol;
};
