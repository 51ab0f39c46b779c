#pragma once

#include "player/PlayerImages.h"
#include "sprites/Sprite.h"

// The player's ship. It comes in regenerating (blinking, untouchable), turns normal (can fire and
// be destroyed), and after a loss explodes, waits unseen and regenerates again, unless the game is
// over.
class PlayerSprite : public MyHitSprite {
 public:
  using State = void (PlayerSprite::*)();
  static const PlayerImage& img();
  static constexpr int hitsize = 0;

  PlayerSprite(int x, int y);

  void update() override { (this->*state)(); }
  void draw(Canvas& canvas) override;
  double get_x() const override { return x; }
  double get_y() const override { return y; }
  int get_hitsize() const override { return hitsize; }

  // Moves by whole pixels while normal or regenerating; unclamped.
  void move_xy(int dx, int dy);
  // Fires a shot when normal and more than two frames after the last one.
  void fire();
  // Starts the explosion of `explosions` frames; false (and nothing changes) unless normal.
  bool destroy(int explosions);
  // The ship will not come back after this loss.
  void endgame() { gameover = true; }

  void updatenormal();
  void updatedestroy();
  void updatewait();
  void updateregen();

  State get_state() const { return state; }
  int get_count() const { return count; }
  bool is_gameover() const { return gameover; }
  // "normal", "destroy", "wait" or "regen", for runners and logs.
  const char* state_name() const;

 private:
  int x;
  int y;
  int count = 0;
  bool gameover = false;
  State state = &PlayerSprite::updateregen;
};

// A laser shot of the ship, flying upwards with a small random slant.
class PlayerLaserSprite : public MyHitSprite {
 public:
  static const PlayerLaserImage& img();
  static constexpr int hitsize = 2;

  PlayerLaserSprite(double x, double y, double vx, double vy);

  void update() override;
  void draw(Canvas& canvas) override;
  double get_x() const override { return x; }
  double get_y() const override { return y; }
  int get_hitsize() const override { return hitsize; }

 private:
  double x;
  double y;
  double vx;
  double vy;
  double angle = 0.0;
};
