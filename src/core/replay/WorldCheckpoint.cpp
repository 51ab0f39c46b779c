#include "replay/WorldCheckpoint.h"

#include "game/World.h"
#include "player/PlayerSprite.h"

Checkpoint checkpointOf(const World& world) {
  Checkpoint c;
  c.level = world.UB->get_nowlevel();
  c.score = world.score;
  c.lifecount = world.lifecount;
  c.bombcount = world.bombcount;
  if (world.es) {
    c.bosslife = world.es->get_life();
    c.bossx = world.es->get_x();
    c.bossy = world.es->get_y();
  }
  if (world.psp) {
    c.shipx = world.psp->get_x();
    c.shipy = world.psp->get_y();
  }
  c.esl = static_cast<std::uint32_t>(world.esl.get_count());
  c.psl = static_cast<std::uint32_t>(world.psl.get_count());
  c.osl = static_cast<std::uint32_t>(world.osl.get_count());
  c.random = world.random.state();
  return c;
}
