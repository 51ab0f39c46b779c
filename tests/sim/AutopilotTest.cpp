// The autopilot: it dodges what it sees coming, and it plays a game from the title to a won level.
#include <gtest/gtest.h>

#include <sstream>

#include "Autopilot.h"
#include "SimRunner.h"
#include "game/GameScene.h"
#include "player/PlayerSprite.h"
#include "support/ScratchDirectory.h"
#include "weapons/StraightLasers.h"

TEST(Autopilot, StepsAsideFromAShotFallingOntoTheShip) {
  World world;
  world.UB.newgame();
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

TEST(Autopilot, StartsANewGameFromTheTitleAndWinsTheFirstLevel) {
  ScratchDirectory scratch;
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(scratch.path());  // where the runner keeps its highscores
  SimOptions options;
  options.frames = 20000;
  options.autopilot = true;
  options.seed = 1;
  options.untilEnd = true;
  std::istringstream none;
  std::string error;
  SimRunner runner(options, *InputTimeline::parse(none, error));
  ASSERT_TRUE(runner.run(error)) << error;
  EXPECT_EQ(currentScreen(runner.world()), GameScreen::levelcleared);
  EXPECT_EQ(runner.world().UB.get_nowlevel(), 1);
  EXPECT_LT(runner.framesRun(), 20000);
  std::filesystem::current_path(previous);
}
