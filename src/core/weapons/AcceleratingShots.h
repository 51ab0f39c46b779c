#pragma once

#include "weapons/EnemyShot.h"
#include "weapons/LaserImages.h"

// A shot whose velocity changes every frame by its acceleration. Most move first and then speed
// up, so their first frame leaves them where they were fired; the pointed laser speeds up first.
class AcceleratingShotSprite : public EnemyShotSprite {
 public:
  std::optional<SoundCue> soundCue() const override { return SoundCue::volleyRapid; }

 protected:
  AcceleratingShotSprite(double x, double y, double vx, double vy, double ax, double ay,
                         int hitsize)
      : EnemyShotSprite(x, y, vx, vy, hitsize), ax(ax), ay(ay) {}

  void moveThenAccelerate();
  void accelerateThenMove();

  double ax;
  double ay;
};

// The red bar: starts at rest and gains one pixel per frame every frame along its slant th from
// straight down, its long side along its path.
class RedRapidLaserSprite : public AcceleratingShotSprite {
 public:
  static const RedRapidLaserImage& img();
  static constexpr int hitsize = 12;
  static constexpr int kMargin = 10;

  RedRapidLaserSprite(double x, double y, double th);

  void update() override;
  void draw(Canvas& canvas) override;
  // A bar every frame: the barrage is heard by the volleys fired beside it.
  std::optional<SoundCue> soundCue() const override { return std::nullopt; }

 private:
  double angle;
};

// The stretching bolt: its tail grows to twice its speed behind it. All bolts share one picture,
// which each bolt stretches in its update, so a bolt must be drawn right after its own update.
class BSTLaserSprite : public AcceleratingShotSprite {
 public:
  static BSTLaserImage& img();
  static constexpr int hitsize = 3;
  static constexpr int kMargin = 50;

  BSTLaserSprite(double x, double y, double vx, double vy, double ax, double ay);

  void update() override;
  void draw(Canvas& canvas) override;
};

// The wandering plasma ball: a random start velocity and an acceleration that drifts at random
// every frame, with the speed held to 6 pixels per frame.
class PWLaserSprite : public AcceleratingShotSprite {
 public:
  static const PWLaserImage& img();
  static constexpr int hitsize = 6;
  static constexpr int kMargin = 10;
  static constexpr double kSpeedLimit = 6.0;

  PWLaserSprite(double x, double y);

  void update() override;
  void draw(Canvas& canvas) override;

 private:
  void capSpeed();
  void driftAcceleration();
};

// The red pointed laser: speeds up before it moves, its long point along its path.
class EnemyLTLSprite : public AcceleratingShotSprite {
 public:
  static const EnemyLTLImage& img();
  static constexpr int hitsize = 6;
  static constexpr int kMargin = 40;

  EnemyLTLSprite(double x, double y, double vx, double vy, double ax, double ay);

  void update() override;
  void draw(Canvas& canvas) override;

 private:
  double angle = 0.0;
};
