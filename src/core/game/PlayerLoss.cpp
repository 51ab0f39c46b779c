#include "game/PlayerLoss.h"

#include "game/World.h"
#include "player/PlayerSprite.h"

namespace {
constexpr int kExplosionFrames = 3;
}

void destroyplayer(World& world) {
  if (world.invincible) return;
  if (!world.psp->destroy(kExplosionFrames)) return;
  world.cues.add(SoundCue::shipLost);
  --world.lifecount;
  if (world.lifecount < 0) {
    world.psp->endgame();
  } else if (world.bombcount < 1) {
    world.bombcount = 1;
  }
  world.nodeathbonus.loselife();
}
