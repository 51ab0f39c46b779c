#pragma once

#include <array>

#include "bosses/BossLifecycle.h"
#include "bosses/Enemy7Image.h"

// The level-3 boss. It opens as one large triangle that chases the ship and fires aimed and ring
// volleys, harder below 100 life. When that life runs out it shakes while gliding to the top
// middle, bursts into debris and unfolds into a wheel of seven blades with its life refilled.
// The wheel then loops through three attacks until it dies: the blades open into spokes that shed
// bolts; the spinning wheel tours seven waypoints with random tracer volleys; two blades become
// pincers and the wheel charges the ship four times, throwing pulses. Only the wheel's death ends
// the level.
class Enemy7Sprite : public BossLifecycle<Enemy7Sprite> {
 public:
  using DrawState = void (Enemy7Sprite::*)(Canvas&) const;

  static constexpr int kBlades = 7;
  static constexpr int kWaypoints = 7;
  static constexpr int kTracerVolleys = 5;
  static constexpr int kInitialLife = 150;
  static constexpr int kTriangleHitsize = 40;
  static constexpr int kWheelHitsize = 50;
  static constexpr DeathStages kDeath{81, 7, 90, 31};

  Enemy7Sprite(int x, int y);

  void draw(Canvas& canvas) override;
  double get_x() const override { return x; }
  double get_y() const override { return y; }
  int get_hitsize() const override { return hitsize; }
  const char* class_name() const override { return "Enemy7Sprite"; }
  double get_angle() const override { return angle; }
  // From the triangle it starts the transition; from the wheel, the death; otherwise nothing.
  void destroy() override;

  double get_vx() const { return vx; }
  double get_vy() const { return vy; }
  double get_aimangle() const { return aimangle; }
  int get_subcount() const { return subcount; }
  State get_normalstate() const { return normalstate; }
  const char* normalstate_name() const;
  const Enemy7Image& blade(int i) const { return images[static_cast<std::size_t>(i)]; }
  // Waypoint j of the tour, from the field's size at construction.
  double waypointX(int j) const { return posx[static_cast<std::size_t>(j)]; }
  double waypointY(int j) const { return posy[static_cast<std::size_t>(j)]; }
  // The waypoint a tour count aims at: 0, 1, ..., 6, 5, ..., 1, then again from 0.
  static int waypointIndex(int count);

  // The triangle and the transition.
  void updatetriangular();
  void updatetrbreakup();
  void updatetrdestroy();
  void updatetonormal();
  // The wheel: moves, aims, maybe crosses tracers, then runs its attack phase.
  void updatenormal();
  void updatenormal1();
  void updatenormal2();
  void updatenormal3();

  void drawtriangular(Canvas& canvas) const;
  void drawnormal(Canvas& canvas) const;
  // The blades pushed n three-hundredths of the way back to where the triangle's own blade lies.
  void drawoffset(Canvas& canvas, int n) const;

 protected:
  bool damageCounts() const override;
  const char* fightingStateName() const override;

 private:
  void destroytr();
  void gotopos();

  void chase();
  void fireTriangleVolleys();
  void fireCalmVolleys();
  void fireHardVolleys();
  void fireCrossingTracers();
  void fireSpokeVolley();
  void fireSpokeTipBurst();
  void firePlasmaBalls();
  void fireRandomTracers();
  // Volley 0 to 4 of the random tracer volleys, from (ox, oy).
  void fireTracerVolley(int volley, double ox, double oy);
  void fireOrbiters();
  void firePincerPulses(int t);
  void unfoldAll(int n);
  void unfoldPincers(int n);
  void turnPincers(double lowerTh, double upperTh);

  double x;
  double y;
  double vx = 0.0;
  double vy = 0.0;
  double angle = 0.0;
  double aimangle = 0.0;
  int subcount = 0;
  std::array<double, kWaypoints> posx{};
  std::array<double, kWaypoints> posy{};
  std::array<Enemy7Image, kBlades> images;
  int hitsize = kTriangleHitsize;
  DrawState drawstate = &Enemy7Sprite::drawtriangular;
  State normalstate = &Enemy7Sprite::updatenormal1;
};
