#pragma once

#include "graphics/VectorImage.h"
#include "weapons/EnemyShot.h"

// A black heptagon of radius 15 whose outline flickers through purples. All orbiting shots of a
// game share one colour cycle, kept in the arena, which every draw moves on by one.
class CH7Image : public VectorImage {
 public:
  CH7Image();

  // Draws in black with the next outline colour of the cycle, whatever colours are given.
  void draw(Canvas& canvas, double x, double y, double rotation, double scale, Colorref pen,
            Colorref brush) const override;
};

// The orbiting shot: circles the boss in straight legs of 20 frames, each to the next of fourteen
// points of a circle whose centre follows the boss. Its orbit first widens by 30 pixels a leg, then
// for a long while steps towards the ship's distance from the boss, sweeping past the ship again
// and again, and at last widens for good until the shot leaves the field.
class CH7Sprite : public EnemyShotSprite {
 public:
  static const CH7Image& img();
  static constexpr int hitsize = 14;
  static constexpr int kMargin = 50;
  static constexpr int kLegFrames = 20;
  static constexpr double kRadiusStep = 30;

  // Starts at the boss, th giving where around it the orbit begins.
  explicit CH7Sprite(double th);

  void update() override;
  void draw(Canvas& canvas) override;
  std::optional<SoundCue> soundCue() const override { return SoundCue::volleyOrbit; }

  int get_phase() const { return phase; }

 private:
  void startNextLeg();
  void aimAtOrbit();

  double cx;
  double cy;
  double radius = 30;
  double angle;
  int legframes = 0;
  int legs = 0;
  int phase = 0;
};
