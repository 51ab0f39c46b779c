#pragma once

#include <array>

#include "graphics/VectorImage.h"

// One wedge of the level-5 boss's body, between two neighbouring corners, whose outline also
// traces the wedge's inner lines. It can light up one of three triangles in a glow colour that
// rises from the body's own colours, stays lit, and fades back.
class Enemy9BodyCellImage : public VectorImage {
 public:
  // 0 no glow, 1 red, 2 yellow, 3 light blue, 4 green, 5 yellow, anything else white.
  using glowcolor = int;
  // Which triangle glows: 0, 1 or 2; anything else lights triangle 0.
  using glowshape = int;

  static constexpr int glowmax = 30;

  Enemy9BodyCellImage();

  // Starts a glow from the body's own colours; colour 0 is ignored.
  void startGlow(glowcolor newColor, glowshape newShape);
  // Fades the glow out, always from full brightness.
  void stopGlow();
  void update();

  void draw(Canvas& canvas, double x, double y, double rotation, double scale, Colorref pen,
            Colorref brush) const override;

  glowcolor get_color() const { return color; }
  glowshape get_shape() const { return shape; }
  int get_glowlevel() const { return glowlevel; }
  int get_glowdir() const { return glowdir; }

 private:
  struct GlowColours {
    Colorref pen;
    Colorref brush;
  };
  // The triangle's colours now: blended towards the body's while rising or falling.
  GlowColours currentColours() const;
  const VectorImage& glowTriangle() const;

  int glowlevel = 0;
  int glowdir = 0;  // 1 rising, -1 falling, 0 steady (or off when color is 0)
  glowcolor color = 0;
  glowshape shape = 1;
  std::array<VectorImage, 3> shapes;
};

// The nine cells of the body, cell i covering the wedge from corner i to corner i + 1.
class Enemy9BodyImage {
 public:
  void draw(Canvas& canvas, double x, double y, double rotation, double scale, Colorref pen,
            Colorref brush) const;
  void update();
  // Lights a pattern over the cells, grouped by cell number modulo 3.
  void startGlow(int mode);
  void stopGlow();

  const Enemy9BodyCellImage& cell(int i) const { return cells[static_cast<std::size_t>(i)]; }

 private:
  std::array<Enemy9BodyCellImage, 9> cells;
};

// One arm, lying along its own x axis away from the body: a 12-pixel-wide inner segment and a
// 6-pixel-wide outer one beyond it, each 0 to 70 pixels long.
class Enemy9ArmImage {
 public:
  Enemy9ArmImage();

  // Segment lengths from values 0 to 100 (100 is 70 pixels); -1 keeps that segment's length.
  void unfold(int innerValue, int outerValue);
  void draw(Canvas& canvas, double x, double y, double rotation, double scale, Colorref pen,
            Colorref brush) const;

  const VectorImage& get_inner() const { return inner; }
  const VectorImage& get_outer() const { return outer; }
  // How far the outer tip stands from the arm's foot, in pixels.
  double reach() const;

 private:
  VectorImage inner;
  VectorImage outer;
};

// The whole level-5 boss: nine arms behind a nine-sided body, its cells over it. The arms' segment
// values walk towards their targets one step per update.
class Enemy9Image {
 public:
  struct ArmPosition {
    int target = 0;
    int current = 0;
    int speed = 1;
    void update();
  };

  Enemy9Image();

  void draw(Canvas& canvas, double x, double y, double rotation, double scale, Colorref pen,
            Colorref brush) const;
  void update();
  // New targets for one arm's segments; values outside 0 to 100 are ignored one by one.
  void unfoldArm(int arm, int innerTarget, int outerTarget);
  void startGlow(int mode) { body.startGlow(mode); }
  void stopGlow() { body.stopGlow(); }

  // The direction of arm i from the centre, at the picture's rotation.
  static double armDirection(int arm, double rotation);

  const Enemy9ArmImage& arm(int i) const { return arms[static_cast<std::size_t>(i)]; }
  const ArmPosition& inner_position(int i) const { return innerpos[static_cast<std::size_t>(i)]; }
  const ArmPosition& outer_position(int i) const { return outerpos[static_cast<std::size_t>(i)]; }
  const Enemy9BodyImage& get_body() const { return body; }

 private:
  VectorImage outline;
  std::array<Enemy9ArmImage, 9> arms;
  Enemy9BodyImage body;
  std::array<ArmPosition, 9> innerpos;
  std::array<ArmPosition, 9> outerpos;
};
