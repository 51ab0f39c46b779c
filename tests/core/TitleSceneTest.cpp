#include <gtest/gtest.h>

#include "shell/TitleScene.h"
#include "support/LevelRun.h"

namespace {

// The title as the program starts it, a frame at a time with the keys given.
class TitleSceneTest : public ::testing::Test, public LevelRun {
 protected:
  void frame(std::set<Key> held) {
    keys.held = std::move(held);
    LevelRun::frame();
  }
};

}  // namespace

TEST_F(TitleSceneTest, OnePressMovesOneEntryHoweverLongItIsHeld) {
  for (int i = 0; i < 5; ++i) frame({Key::Down});
  EXPECT_EQ(world.selected, 1);
  frame({});
  frame({Key::Down});
  EXPECT_EQ(world.selected, 2);
  frame({});
  frame({Key::Down});
  EXPECT_EQ(world.selected, 2);  // no wrap past "Quit"
  frame({});
  frame({Key::Up});
  frame({Key::Up});
  EXPECT_EQ(world.selected, 1);
  frame({});
  frame({Key::Up});
  frame({});
  frame({Key::Up});
  EXPECT_EQ(world.selected, 0);  // no wrap past "New Game"
}

TEST_F(TitleSceneTest, APressAtTheEndKeepsItsFlagSoReleasingIsStillNeeded) {
  frame({Key::Down});
  frame({});
  frame({Key::Down});
  frame({Key::Down});  // at "Quit", held
  frame({Key::Up, Key::Down});
  EXPECT_EQ(world.selected, 1);
  frame({Key::Down});  // Down was never released
  EXPECT_EQ(world.selected, 1);
}

TEST_F(TitleSceneTest, NothingReactsWhileTheWindowIsNotInFront) {
  world.windowfront = false;
  frame({Key::Down, Key::Z});
  EXPECT_EQ(world.selected, 0);
  EXPECT_EQ(session.UB.scene, &updatetitle);
  world.windowfront = true;
  frame({Key::Down});  // the flag was cleared while out of focus
  EXPECT_EQ(world.selected, 1);
}

TEST_F(TitleSceneTest, ChoicesSwitchTheBridgeFromTheNextFrame) {
  frame({Key::Z});
  EXPECT_EQ(session.UB.scene, &updategame);
  EXPECT_EQ(world.UB->get_nowlevel(), 1);
  EXPECT_EQ(world.lifecount, 2);
  EXPECT_EQ(world.bombcount, 2);
  // The rest of the choosing frame is still the title.
  EXPECT_NE(canvas.findText("Kelvaron"), nullptr);

  LevelRun other;
  other.world.selected = 1;
  other.hold(Key::Z);
  other.frame();
  EXPECT_EQ(other.world.UB->get_nowlevel(), 5);
  EXPECT_EQ(other.session.UB.scene, &updategame);
}

TEST_F(TitleSceneTest, QuitClosesTheWindow) {
  world.selected = 2;
  frame({Key::Z});
  EXPECT_TRUE(world.windowDestroyed());
}

TEST(HighscoreRowText, FormatsScoresLivesAndDates) {
  auto row = [](int score, int lives, std::int64_t date) {
    return formatHighscoreRow(Highscore{score, lives, date});
  };
  EXPECT_EQ(row(0, 0, 0).score, "   000,000");
  EXPECT_EQ(row(12345, 0, 0).score, "   012,345");
  EXPECT_EQ(row(999999, 0, 0).score, "   999,999");
  EXPECT_EQ(row(1000000, 0, 0).score, " 1,000,000");
  EXPECT_EQ(row(1234567, 0, 0).score, " 1,234,567");
  EXPECT_EQ(row(5, -1, 0).lives, " -1");
  EXPECT_EQ(row(5, 3, 0).lives, "  3");
  EXPECT_EQ(row(5, 3, 1700000000).date, "2023/11/14 22:13");  // the tests run with TZ=UTC
  EXPECT_EQ(row(-1, 7, 9).score, "-");
  EXPECT_EQ(row(-1, 7, 9).lives, "-");
  EXPECT_EQ(row(-1, 7, 9).date, "-");
}
