#pragma once

#include "bosses/BossLifecycle.h"
#include "bosses/Enemy9Images.h"

// The level-5 boss: a nine-sided machine that stays where it was placed and turns slowly, unfolds
// its nine arms and lights its cells in coloured patterns on a fixed script. It never fires.
//
// It dies the longest: two seconds of small explosions scattered over its body and its arms,
// then a burst of nine large ones over the body, unseen.
class Enemy9Sprite : public BossLifecycle<Enemy9Sprite> {
 public:
  static constexpr int hitsize = 70;
  static constexpr int kInitialLife = 750;
  static constexpr DeathStages kDeath{.breakupFrames = 201,
                                      .destroyFrames = 9,
                                      .largeSizeBase = 100,
                                      .largeSizeRange = 41,
                                      .smallChance = 40,
                                      .largeSpread = 140};

  Enemy9Sprite(int startX, int startY);

  void draw(Canvas& canvas) override;
  double get_x() const override { return x; }
  double get_y() const override { return y; }
  int get_hitsize() const override { return hitsize; }
  const char* class_name() const override { return "Enemy9Sprite"; }
  double get_angle() const override { return angle; }
  const Enemy9Image& get_image() const { return image; }

  // Turns, runs the unfolding and glowing script, and moves the picture on.
  void updatenormal();

 protected:
  BlastSpot breakupSpot() const override;

 private:
  void runScript();

  double x;
  double y;
  double angle = 0.0;
  Enemy9Image image;
};
