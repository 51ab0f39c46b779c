#include "GameTestSupport.h"

namespace {

class PlayerShip : public GameSceneTest {};

TEST_F(PlayerShip, FirstShotInTheFourthFrameAfterTurningNormalThenEveryThird) {
  hold(Key::Z);
  frames(91);  // a new ship regenerates, unable to fire, for 91 frames
  std::string shotsInFlight;
  for (int i = 0; i < 10; ++i) {
    frame();
    shotsInFlight += std::to_string(world.psl.get_count());
  }
  EXPECT_EQ(shotsInFlight, "0001112223");
}

// Two shots lie on the ship for good: only a normal ship can be hit, and the second hit of a
// frame finds it already exploding. A new ship has at least one bomb, unless the game is over.
TEST_F(PlayerShip, EnemyShotsTakeOneLifeFromANormalShipOnlyUntilTheLastEndsTheGame) {
  addProbe(world.esl, "first", 400, 400, 5);
  addProbe(world.esl, "second", 401, 400, 5);
  world.bombcount = 0;
  frames(90);
  EXPECT_EQ(world.lifecount, 2);
  frame();  // turns normal and is hit
  EXPECT_EQ(world.lifecount, 1);
  EXPECT_EQ(world.bombcount, 1);
  world.bombcount = 2;
  frames(3 + 61 + 90);  // exploding, waiting, regenerating
  EXPECT_EQ(world.lifecount, 1);
  EXPECT_EQ(world.esl.get_count(), 2);
  frame();
  EXPECT_EQ(world.lifecount, 0);
  EXPECT_EQ(world.bombcount, 2);
  world.bombcount = 0;
  frames(3 + 61 + 91);
  EXPECT_EQ(world.lifecount, -1);
  EXPECT_EQ(world.bombcount, 0);
  EXPECT_EQ(world.nodeathbonus.getLostLife(), 3);
  frames(500);  // the ship never comes back to be hit again
  EXPECT_STREQ(ship().state_name(), "wait");
  EXPECT_EQ(world.lifecount, -1);
}

}  // namespace
