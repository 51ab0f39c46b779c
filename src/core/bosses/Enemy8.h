#pragma once

#include <array>

#include "bosses/BossLifecycle.h"
#include "bosses/Enemy8Child.h"
#include "graphics/VectorImage.h"

// The level-4 boss's picture: a blue octagon of radius 25 with a red edge and four chords.
class Enemy8Image : public VectorImage {
 public:
  Enemy8Image();

  void draw(Canvas& canvas, double x, double y, double rotation, double scale, Colorref pen,
            Colorref brush) const override;
};

// The level-4 boss, the mother ship: it sways near the top of the field dropping arcing fans and
// commands its eight satellites through a timetable of 2700 frames. From 100 life points on, the
// satellites leave, come back from afar and ride along with it as two wings.
//
// The satellites belong to the other sprites; the boss only points at them. A satellite that the
// list deletes first tells the boss, so the boss never reaches a satellite that is gone, and the
// boss's own end asks only for the removal of satellites still alive.
class Enemy8Sprite : public BossLifecycle<Enemy8Sprite> {
 public:
  static constexpr int hitsize = 30;
  static constexpr int kInitialLife = 400;
  static constexpr DeathStages kDeath{151, 7, 90, 31};
  static constexpr int kSatellites = 8;
  static constexpr int kSecondPatternLife = 100;  // a hit down to this starts the second pattern
  static constexpr int kCycle = 2700;             // the first pattern's timetable repeats
  static constexpr int kCrossOrder = 249;         // fly across the field from both sides
  static constexpr int kDropOrder = 549;          // drop in from above and fire red bars
  static constexpr int kCloseInOrder = 934;       // close in on the ship from eight sides
  static constexpr int kColumnOrder = 1234;       // drop in, hold and fire, then dive
  static constexpr int kSideOrder = 2025;         // bob at both side edges, then cross
  static constexpr int kWingsComeIn = 100;        // second pattern: the satellites fly in
  static constexpr int kWingsSettled = 160;       // and from here on ride along

  Enemy8Sprite(int x, int y);
  ~Enemy8Sprite() override;
  Enemy8Sprite(const Enemy8Sprite&) = delete;
  Enemy8Sprite& operator=(const Enemy8Sprite&) = delete;

  void draw(Canvas& canvas) override;
  double get_x() const override { return x; }
  double get_y() const override { return y; }
  int get_hitsize() const override { return hitsize; }
  bool damage(int points) override;
  void destroy() override;
  const char* class_name() const override { return "Enemy8Sprite"; }
  double get_angle() const override { return angle; }

  // Satellite i in the order the boss made them; null once it is gone.
  const Enemy8childSprite* satellite(int i) const { return children[static_cast<unsigned>(i)]; }

  // Sits still holding the satellites on a ring.
  void updatenormalintro();
  // Sits still while the satellites break out of the ring.
  void updatenormalintro2();
  // Sways, fires fans and gives the satellites their orders.
  void updatenormal();
  // Swings along a U, fires upward fans and has the satellites come back as wings.
  void updatenormal2();

 protected:
  bool damageCounts() const override;
  const char* fightingStateName() const override;

 private:
  friend class Enemy8childSprite;
  // A satellite is being deleted by its list.
  void forgetChild(const Enemy8childSprite* child);
  // Runs give(satellite, mirrored) on satellite i and on its mirror 7 - i, those still there.
  template <class Give>
  void forPair(int i, Give give) {
    if (Enemy8childSprite* s = children[static_cast<unsigned>(i)]) give(*s, false);
    if (Enemy8childSprite* s = children[static_cast<unsigned>(kSatellites - 1 - i)]) give(*s, true);
  }

  void holdRing();
  void fireFan();
  void fireUpwardFan();
  void giveOrder(int c);
  void orderCross();
  void orderDrop();
  void orderCloseIn();
  void orderColumns();
  void orderSides();
  void startSecondPattern();
  void swingAlongU();
  void callWingsIn();
  void settleWings();
  void rideWings();

  double x;
  double y;
  double cx;
  double cy;
  double angle = 0.0;
  Enemy8Image img;
  std::array<Enemy8childSprite*, kSatellites> children{};
};
