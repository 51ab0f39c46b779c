#pragma once

#include "graphics/VectorImage.h"
#include "sprites/Sprite.h"

class Enemy8Sprite;

// A satellite's picture: a blue trapezoid with a red edge, its long side facing angle 0, and two
// struts from the long side to the short one.
class Enemy8childImage : public VectorImage {
 public:
  Enemy8childImage();

  void draw(Canvas& canvas, double x, double y, double rotation, double scale, Colorref pen,
            Colorref brush) const override;
};

// One of the level-4 boss's eight satellites. It lives in the other sprites, so it is never hit
// and never hurts; only its shots do. The boss places it, sets its motion and switches it into a
// manoeuvre; its handlers then fly and fire frame by frame until the next order. When the boss
// dies, each satellite breaks up by itself and then stays unseen.
class Enemy8childSprite : public EnemyBaseSprite {
 public:
  using State = void (Enemy8childSprite::*)();
  static constexpr int hitsize = 18;
  static constexpr int kInitialLife = 500;

  Enemy8childSprite(int x, int y, Enemy8Sprite* parent);
  ~Enemy8childSprite() override;

  void draw(Canvas& canvas) override;
  void update() override { (this->*state)(); }
  double get_x() const override { return x; }
  double get_y() const override { return y; }
  int get_hitsize() const override { return hitsize; }
  void destroy() override;
  bool damage(int points) override;
  bool isdead() const override { return state == &Enemy8childSprite::upd_wait; }
  int get_life() const override { return life; }

  // Manoeuvre 4 starts with a fast drop that slows, heading up.
  void connormal4();
  // Puts the satellite 800 pixels back along direction a from (px, py), flying towards that point
  // so that it settles there after 60 frames.
  void con2coming(double px, double py, double a);

  double get_vx() const { return vx; }
  double get_vy() const { return vy; }
  double get_angle() const { return angle; }
  int get_count() const { return count; }
  State get_state() const { return state; }
  // The handler's name, e.g. "upd_nrm4a".
  const char* state_name() const;
  const Enemy8Sprite* get_parent() const { return parent; }

  void upd_nrm();
  void upd_nrm1();
  void upd_nrm2con();
  void upd_nrm2();
  void upd_nrm3con();
  void upd_nrm3();
  void upd_nrm4a();
  void upd_nrm4b();
  void upd_nrm4c();
  void upd_nrm5intro();
  void upd_nrm5();
  void upd_trans();
  void upd_2coming();
  void upd_2nrm();
  void upd_brk();
  void upd_dst();
  void upd_wait();

 private:
  // The boss places its satellites and gives their orders by writing these members itself.
  friend class Enemy8Sprite;

  // Which of the three manoeuvre-4 handlers runs its middle stretch.
  enum class Manoeuvre4 { fan, pairs, aimed };

  void integrate();
  void move();
  void fireSidePellets();
  void firePellet(double vx, double vy, bool white = false);
  void runManoeuvre4(Manoeuvre4 kind);
  void holdAndFire(Manoeuvre4 kind);
  void fireStarAtShip();
  // The boss went first; from now on nothing may reach it.
  void orphan() { parent = nullptr; }

  double x;
  double y;
  double homex;
  double homey;
  double vx = 0.0;
  double vy = 0.0;
  double ax = 0.0;
  double ay = 0.0;
  double angle = 0.0;
  int count = 0;
  int life = kInitialLife;
  Enemy8childImage img;
  Enemy8Sprite* parent;
  State state = &Enemy8childSprite::upd_nrm;
};
