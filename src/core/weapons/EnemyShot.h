#pragma once

#include "sprites/Sprite.h"

struct Rect;

// Whether a shot centred at (x, y) lies wholly outside the play field widened by `margin` on every
// side. The sides are looked at right, left, bottom, top.
bool leavesField(const Rect& rc, double x, double y, int margin);

// What every enemy shot shares: a centre and a velocity in client pixels, its hit radius and the
// way it leaves the field.
class EnemyShotSprite : public MyHitSprite {
 public:
  double get_x() const override { return x; }
  double get_y() const override { return y; }
  int get_hitsize() const final { return hitsize_; }

 protected:
  EnemyShotSprite(double startX, double startY, double velocityX, double velocityY, int hitsize)
      : x(startX), y(startY), vx(velocityX), vy(velocityY), hitsize_(hitsize) {}

  // Called after moving: once the shot is wholly outside the field widened by `margin`, it asks to
  // be removed. A request refused by a full stack is simply repeated on the next frame.
  void leaveWhenOutside(int margin);

  double x;
  double y;
  double vx;
  double vy;

 private:
  int hitsize_;
};
