#pragma once

#include "weapons/EnemyShot.h"
#include "weapons/StraightLasers.h"
#include "weapons/TracerImages.h"

// The white tracer: flies straight like any straight laser and leaves an after-image every frame,
// the frame it leaves the field included.
class WhiteTracerSprite : public StraightLaserSprite {
 public:
  static const WhiteTracerImage& img();
  static constexpr int hitsize = 5;

  WhiteTracerSprite(double x, double y, double vx, double vy);

  void update() override;
  void draw(Canvas& canvas) override;
  std::optional<SoundCue> soundCue() const override { return SoundCue::volleyTracer; }

 private:
  double angle;
};

// The pink homing tracer: keeps its speed and turns towards the ship with a pull that weakens over
// its first 200 frames, then flies straight on. It leaves an after-image every second frame.
class PHSTracerSprite : public EnemyShotSprite {
 public:
  static const PHSTracerImage& img();
  static constexpr int hitsize = 5;
  static constexpr int kMargin = 40;
  static constexpr int kPullFrames = 200;

  PHSTracerSprite(double x, double y, double speed, double th);

  void update() override;
  void draw(Canvas& canvas) override;
  std::optional<SoundCue> soundCue() const override { return SoundCue::volleyTracer; }

 private:
  void turnTowardsShip();

  double speed;
  double angle;
  int age = 0;
};

// An after-image of a tracer where it was: hurts nobody, dims every frame and then goes.
template <class Image>
class TracerTrailSprite : public MySprite {
 public:
  TracerTrailSprite(double x, double y, double angle) : x(x), y(y), angle(angle) {}

  void update() override;
  void draw(Canvas& canvas) override { image.draw(canvas, x, y, angle, 1.0); }
  double get_x() const override { return x; }
  double get_y() const override { return y; }

 private:
  double x;
  double y;
  double angle;
  Image image;
};

extern template class TracerTrailSprite<WhiteTracerImage>;
extern template class TracerTrailSprite<PHSTracerImage>;

class WhiteTracerTrailSprite : public TracerTrailSprite<WhiteTracerImage> {
 public:
  using TracerTrailSprite::TracerTrailSprite;
};

class PHSTracerTrailSprite : public TracerTrailSprite<PHSTracerImage> {
 public:
  using TracerTrailSprite::TracerTrailSprite;
};
