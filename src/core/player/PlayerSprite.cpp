#include "player/PlayerSprite.h"

#include "effects/BlastSprite.h"
#include "math/GameMath.h"
#include "math/Pi.h"
#include "sprites/Arena.h"

const PlayerImage& PlayerSprite::img() {
  static const PlayerImage image;
  return image;
}

PlayerSprite::PlayerSprite(int startX, int startY) : x(startX), y(startY) { side = 1; }

void PlayerSprite::draw(Canvas& canvas) {
  const bool visible = state == &PlayerSprite::updatenormal ||
                       (state == &PlayerSprite::updateregen && count % 2 == 0);
  if (visible) img().draw(canvas, x, y, 0.0, 1.0, kOwnColor, kOwnColor, false);
}

void PlayerSprite::move_xy(int dx, int dy) {
  if (state != &PlayerSprite::updatenormal && state != &PlayerSprite::updateregen) return;
  x += dx;
  y += dy;
}

void PlayerSprite::fire() {
  if (state != &PlayerSprite::updatenormal || count <= 2) return;
  Arena& arena = Arena::current();
  const int r1 = arena.rand();
  const double vx = (r1 % 10001) / 10000.0 - 0.5;
  const int r2 = arena.rand();
  const double vy = (r2 % 10001) / 10000.0 - 10 - 0.5;
  arena.firePlayerShot(new PlayerLaserSprite(x, y, vx, vy));
  arena.cue(SoundCue::laser);
  count = 0;
}

bool PlayerSprite::destroy(int explosions) {
  if (state != &PlayerSprite::updatenormal) return false;
  count = explosions;
  state = &PlayerSprite::updatedestroy;
  return true;
}

const char* PlayerSprite::state_name() const {
  if (state == &PlayerSprite::updatenormal) return "normal";
  if (state == &PlayerSprite::updatedestroy) return "destroy";
  if (state == &PlayerSprite::updatewait) return "wait";
  return "regen";
}

void PlayerSprite::updatenormal() { ++count; }

void PlayerSprite::updatedestroy() {
  Arena& arena = Arena::current();
  const int r1 = arena.rand() % 40;
  const int r2 = arena.rand() % 40;
  const int r3 = arena.rand() % 21;
  arena.addEffect(new BlastSprite(x + r1 - 20, y + r2 - 20, 50 + r3));
  --count;
  if (count <= 0) state = &PlayerSprite::updatewait;
}

void PlayerSprite::updatewait() {
  ++count;
  if (count > 60) {
    if (!gameover) {
      state = &PlayerSprite::updateregen;
      Arena::current().cue(SoundCue::shipBack);
    }
    count = 0;
  }
}

void PlayerSprite::updateregen() {
  ++count;
  if (count > 90) {
    state = &PlayerSprite::updatenormal;
    count = 0;
  }
}

const PlayerLaserImage& PlayerLaserSprite::img() {
  static const PlayerLaserImage image;
  return image;
}

PlayerLaserSprite::PlayerLaserSprite(double startX, double startY, double velocityX,
                                     double velocityY)
    : x(startX), y(startY), vx(velocityX), vy(velocityY) {
  side = 1;
}

void PlayerLaserSprite::update() {
  x += vx;
  y += vy;
  angle = gm::atan2(vy, vx) - kHalfPi;
  Arena& arena = Arena::current();
  const Rect& rc = arena.field();
  if (x - 10 >= rc.right || x + 10 <= rc.left || y + 10 <= rc.top) {
    arena.removePlayerShot(this);
  }
}

void PlayerLaserSprite::draw(Canvas& canvas) {
  img().draw(canvas, x, y, angle, 1.0, kOwnColor, kOwnColor);
}
