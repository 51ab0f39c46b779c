#pragma once

#include "bosses/BossLifecycle.h"
#include "graphics/VectorImage.h"

// The level-2 boss's picture: a blue hexagonal ring with a red edge whose bottom side can open into
// a gap, and a small star spinning at its centre.
class Enemy6Image {
 public:
  static constexpr int kClosed = 0;
  static constexpr int kOpen = 100;

  Enemy6Image();

  // Opens the ring's bottom side to a gap of k hundredths of 20 pixels; k outside 0..100 is refused
  // and leaves the ring as it was.
  bool unfold(int k);
  void rotatestar(double a);
  // The ring at the given rotation; the star keeps its own spin.
  void draw(Canvas& canvas, double x, double y, double rotation, double scale, Colorref pen,
            Colorref brush) const;

  // The k of the last unfold that was taken.
  int gap() const { return gap_; }
  double get_starangle() const { return starangle; }
  const VectorImage& get_body() const { return body; }

 private:
  VectorImage body;
  VectorImage star;
  double starangle = 0.0;
  int gap_ = kOpen;
};

// The level-2 boss: a ring that always turns one side to the ship. It roams the upper half firing
// aimed spreads and pointed-laser pairs, then stops, opens that side and pours red bars and
// sweeping pairs through the gap, closes and starts over, every 881 frames.
class Enemy6Sprite : public BossLifecycle<Enemy6Sprite> {
 public:
  static constexpr int hitsize = 40;
  static constexpr int kInitialLife = 250;
  static constexpr DeathStages kDeath{61, 5, 80, 21};
  static constexpr int kStop = 480;      // the roaming ends
  static constexpr int kBarrage = 580;   // the gap is open and the barrage starts
  static constexpr int kClose = 780;     // the barrage ends and the gap closes
  static constexpr int kCycleEnd = 880;  // the next frame starts a new cycle at 0

  Enemy6Sprite(int x, int y);

  void draw(Canvas& canvas) override;
  double get_x() const override { return x; }
  double get_y() const override { return y; }
  int get_hitsize() const override { return hitsize; }
  const char* class_name() const override { return "Enemy6Sprite"; }
  double get_angle() const override { return angle; }

  double get_vx() const { return vx; }
  double get_vy() const { return vy; }
  int get_gap() const { return img.gap(); }
  const Enemy6Image& image() const { return img; }

  // Faces the ship, moves and runs the attack cycle.
  void updatenormal();

 private:
  void roam();
  void fireSpread();
  void fireDownwardPair();
  void chooseCourse();
  void fireBarrage();
  void firePointedPair(double speed, double direction, double spread);

  double x;
  double y;
  double vx = 0.0;
  double vy = 0.0;
  double angle = 0.0;
  Enemy6Image img;
};
