// The autopilot dodges what it sees coming (the golden replays show it winning whole games).
#include <gtest/gtest.h>

#include "Autopilot.h"
#include "player/PlayerSprite.h"
#include "shell/Session.h"
#include "weapons/StraightLasers.h"

TEST(Autopilot, StepsAsideFromAShotFallingOntoTheShip) {
  Session session;
  World& world = session.world;
  world.UB->newgame();
  const double x = world.psp->get_x();
  const double y = world.psp->get_y();
  auto* shot = new EnemyLLSprite(x, y - 40, 0, 4);
  world.esl.push_first(shot);
  Autopilot pilot(1);
  pilot.decide(world);  // first sight: where the shot is
  shot->update();
  const std::set<Key>& held = pilot.decide(world);  // now it has seen it fall
  EXPECT_TRUE(held.count(Key::Left) || held.count(Key::Right));
  EXPECT_TRUE(held.count(Key::Z));
}
