#include "bosses/Enemy9Images.h"

#include "math/GameMath.h"
#include "math/Pi.h"

namespace {

// The body's radius, the inner corners of a cell, and one ninth of a turn.
constexpr double kOuterRadius = 70;
constexpr double kInnerRadius = 37.246222020000005;
constexpr double kNinth = 0.6981311111111111;

// A segment value of 100 stands for this many pixels.
constexpr int kSegmentPixels = 70;
// Arms stand just inside the body's corners.
constexpr double kArmFoot = 69;

constexpr Colorref kGlowOutline = 0xFFFFFF;
constexpr Colorref kGlowFill = 0x000000;

// A glow triangle with a corner at the cell's centre.
void setTriangle(VectorImage& image, double r1, double th1, double r2, double th2) {
  image.set_rth(0, 0, 0);
  image.set_rth(1, r1, th1);
  image.set_rth(2, r2, th2);
}

struct GlowTableEntry {
  Colorref pen;
  Colorref brush;
};

GlowTableEntry glowTableEntry(Enemy9BodyCellImage::glowcolor color) {
  switch (color) {
    case 1: return {0x0000FF, 0x0000C8};
    case 2: return {0x00FFFF, 0x00C8C8};
    case 3: return {0xFFB4B4, 0xFF6464};
    case 4: return {0x00FF00, 0x00C800};
    case 5: return {0x00FFFF, 0x00C8C8};
    default: return {0xFFFFFF, 0x000000};
  }
}

// Channel c at brightness l of m, fading from `from` (0 or 255) at l = 0.
int blendChannel(int c, int from, int l, int m) { return (c * l + (m - l) * from) / m; }

double tipX(const VectorImage& segment) {
  double x = 0.0;
  segment.get_xy(0, 0.0, 1.0, &x, nullptr);
  return x;
}

bool isSegmentValue(int value) { return value >= 0 && value <= 100; }

}  // namespace

Enemy9BodyCellImage::Enemy9BodyCellImage()
    : VectorImage(10, kRed, kBlue),
      shapes{{{3, kGlowOutline, kGlowFill},
              {3, kGlowOutline, kGlowFill},
              {3, kGlowOutline, kGlowFill}}} {
  const double R = kOuterRadius;
  const double r = kInnerRadius;
  const double th = kNinth;
  setTriangle(shapes[0], R, 0, r, th);
  setTriangle(shapes[1], r, 0, r, th);
  setTriangle(shapes[2], r, 0, R, th);
  const double points[10][2] = {{0, 0},  {r, 0}, {r, th}, {r, 0}, {R, 0},
                                {r, th}, {R, 0}, {R, th}, {r, 0}, {R, th}};
  for (int i = 0; i < 10; ++i) set_rth(i, points[i][0], points[i][1]);
}

void Enemy9BodyCellImage::startGlow(glowcolor newColor, glowshape newShape) {
  if (newColor == 0) return;
  color = newColor;
  shape = newShape;
  glowlevel = 0;
  glowdir = 1;
}

void Enemy9BodyCellImage::stopGlow() {
  glowlevel = glowmax;
  glowdir = -1;
}

void Enemy9BodyCellImage::update() {
  if (glowdir > 0) {
    if (++glowlevel >= glowmax) {
      glowlevel = glowmax;
      glowdir = 0;
    }
  } else if (glowdir < 0) {
    if (--glowlevel < 1) {
      glowlevel = 0;
      glowdir = 0;
      color = 0;
    }
  }
}

Enemy9BodyCellImage::GlowColours Enemy9BodyCellImage::currentColours() const {
  const GlowTableEntry glow = glowTableEntry(color);
  if (glowdir == 0) return {glow.pen, glow.brush};
  // Red is where the pen starts, blue where the brush starts: the body's own colours.
  const int l = glowlevel;
  const int m = glowmax;
  const Colorref pen =
      rgb(blendChannel(redOf(glow.pen), 255, l, m), blendChannel(greenOf(glow.pen), 0, l, m),
          blendChannel(blueOf(glow.pen), 0, l, m));
  const Colorref brush =
      rgb(blendChannel(redOf(glow.brush), 0, l, m), blendChannel(greenOf(glow.brush), 0, l, m),
          blendChannel(blueOf(glow.brush), 255, l, m));
  return {pen, brush};
}

const VectorImage& Enemy9BodyCellImage::glowTriangle() const {
  const bool known = shape >= 0 && shape <= 2;
  return shapes[static_cast<std::size_t>(known ? shape : 0)];
}

void Enemy9BodyCellImage::draw(Canvas& canvas, double x, double y, double rotation, double scale,
                               Colorref pen, Colorref brush) const {
  VectorImage::draw(canvas, x, y, rotation, scale, pen, brush);
  if (color == 0) return;
  const GlowColours glow = currentColours();
  glowTriangle().draw(canvas, x, y, rotation, scale, glow.pen, glow.brush);
}

void Enemy9BodyImage::draw(Canvas& canvas, double x, double y, double rotation, double scale,
                           Colorref pen, Colorref brush) const {
  for (int i = 0; i < 9; ++i) {
    const double cellRotation = (i * kPi + i * kPi) / 9 + rotation;
    cell(i).draw(canvas, x, y, cellRotation, scale, pen, brush);
  }
}

void Enemy9BodyImage::update() {
  for (Enemy9BodyCellImage& c : cells) c.update();
}

void Enemy9BodyImage::startGlow(int mode) {
  struct Look {
    Enemy9BodyCellImage::glowcolor color;
    Enemy9BodyCellImage::glowshape shape;
  };
  // For cells 0, 3, 6 / 1, 4, 7 / 2, 5, 8.
  static constexpr Look kPatterns[4][3] = {{{1, 0}, {1, 1}, {1, 2}},
                                           {{2, 2}, {2, 1}, {2, 1}},
                                           {{3, 2}, {3, 1}, {3, 0}},
                                           {{6, 0}, {6, 0}, {6, 0}}};
  const auto& pattern = kPatterns[mode >= 0 && mode <= 2 ? mode : 3];
  for (int i = 0; i < 9; ++i) {
    const Look& look = pattern[i % 3];
    cells[static_cast<std::size_t>(i)].startGlow(look.color, look.shape);
  }
}

void Enemy9BodyImage::stopGlow() {
  for (Enemy9BodyCellImage& c : cells) c.stopGlow();
}

Enemy9ArmImage::Enemy9ArmImage() : inner(4, kRed, kBlue), outer(4, kRed, kBlue) {
  inner.set_xy(0, 0, 6);
  inner.set_xy(1, 0, -6);
  inner.set_xy(2, 0, -6);
  inner.set_xy(3, 0, 6);
  outer.set_xy(0, 0, 3);
  outer.set_xy(1, 0, -3);
  outer.set_xy(2, 0, -3);
  outer.set_xy(3, 0, 3);
}

void Enemy9ArmImage::unfold(int innerValue, int outerValue) {
  const auto inRange = [](int value) { return value == -1 || isSegmentValue(value); };
  if (!inRange(innerValue) || !inRange(outerValue)) return;
  if (innerValue == -1 && outerValue == -1) return;
  const double oldTip = tipX(inner);
  if (innerValue != -1) {
    const int length = (innerValue * kSegmentPixels) / 100;
    inner.set_xy(0, length, 6);
    inner.set_xy(1, length, -6);
  }
  const double foot = tipX(inner);
  const double tip =
      outerValue == -1 ? tipX(outer) - oldTip + foot : foot + (outerValue * kSegmentPixels) / 100;
  outer.set_xy(0, tip, 3);
  outer.set_xy(1, tip, -3);
  outer.set_xy(2, foot, -3);
  outer.set_xy(3, foot, 3);
}

void Enemy9ArmImage::draw(Canvas& canvas, double x, double y, double rotation, double scale,
                          Colorref pen, Colorref brush) const {
  outer.draw(canvas, x, y, rotation, scale, pen, brush);
  inner.draw(canvas, x, y, rotation, scale, pen, brush);
}

double Enemy9ArmImage::reach() const { return tipX(outer); }

void Enemy9Image::ArmPosition::update() {
  if (current == target) return;
  const int distance = target > current ? target - current : current - target;
  if (distance < speed) {
    current = target;
    return;
  }
  current += target > current ? speed : -speed;
}

Enemy9Image::Enemy9Image() : outline(9, kRed, kBlue) {
  for (int i = 0; i < 9; ++i) outline.set_rth(i, kOuterRadius, i * 2 * kPi / 9);
}

double Enemy9Image::armDirection(int arm, double rotation) {
  return (arm * 40) * kPi / 180 + rotation;
}

void Enemy9Image::draw(Canvas& canvas, double x, double y, double rotation, double scale,
                       Colorref pen, Colorref brush) const {
  for (int i = 0; i < 9; ++i) {
    const double a = armDirection(i, rotation);
    // The foot's distance from the centre does not scale with the picture.
    arm(i).draw(canvas, x + kArmFoot * gm::cos(a), y + kArmFoot * gm::sin(a), a, scale, pen, brush);
  }
  outline.draw(canvas, x, y, rotation, scale, pen, brush);
  body.draw(canvas, x, y, rotation, scale, pen, brush);
}

void Enemy9Image::update() {
  for (std::size_t i = 0; i < arms.size(); ++i) {
    innerpos[i].update();
    outerpos[i].update();
    arms[i].unfold(innerpos[i].current, outerpos[i].current);
  }
  body.update();
}

void Enemy9Image::unfoldArm(int arm, int innerTarget, int outerTarget) {
  if (arm < 0 || arm > 8) return;
  const auto k = static_cast<std::size_t>(arm);
  if (isSegmentValue(innerTarget)) innerpos[k].target = innerTarget;
  if (isSegmentValue(outerTarget)) outerpos[k].target = outerTarget;
}
