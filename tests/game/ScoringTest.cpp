#include "GameTestSupport.h"
#include "game/GameScene.h"
#include "game/Scoring.h"

namespace {

class LevelWon : public GameSceneTest {
 protected:
  // Fights for the given seconds, then the boss counts as dead and one more frame runs.
  void winAfter(int seconds) {
    advanceSeconds(seconds);
    frame();
    boss().dead = true;
    frame();
  }
  // The red result-screen lines, checked to stand at x 100 and 30 pixels apart from y 100.
  std::vector<std::string> screenLines() const {
    std::vector<std::string> lines;
    for (const DrawCall& call : canvas.ofKind(DrawCall::Kind::Text)) {
      if (call.colour != Colorref{0x0000FF}) continue;
      EXPECT_EQ(call.points.front(), (Point{100, 100 + 30 * static_cast<int>(lines.size())}));
      lines.push_back(call.text);
    }
    return lines;
  }
};

TEST_F(LevelWon, BonusesTheirLinesAndTheExtraShipsTheyBring) {
  // Level, seconds, bombs in hand, ships lost, score before; score after, extra ships.
  struct Win {
    int level, seconds, bombs, shipsLost, scoreBefore, score, extraShips;
  };
  const std::pair<Win, std::vector<std::string>> cases[] = {
      // 25,000 + 100,000 + 2 x 50,000 + 200,000, passing 200,000 and 400,000 on the way.
      {{1, 45, 2, 0, 0, 425000, 2},
       {"Level 1 Cleared!", "Time bonus:  25,000", "Clear bonus: 100,000", "Bomb bonus: 100,000",
        "No Death bonus: 200,000 ", "Press space for next level"}},
      {{1, 59, 0, 1, 0, 201667, 1},
       {"Level 1 Cleared!", "Time bonus:   1,667", "Clear bonus: 100,000", "Bomb bonus:       0",
        "Few Death bonus: 100,000", "Press space for next level"}},
      {{2, 120, 1, 2, 0, 300000, 1},
       {"Level 2 Cleared!", "Time bonus:       0", "Clear bonus: 200,000", "Bomb bonus:  50,000",
        "Few Death bonus:  50,000", "Press space for next level"}},
      // Past the time limit; the clear bonus alone passes 200,000 and 400,000.
      {{4, 300, 0, 3, 150000, 550000, 2},
       {"Level 4 Cleared!", "Time bonus:       0", "Clear bonus: 400,000", "Bomb bonus:       0",
        "Too many deaths: no bonus", "Press space for next level"}},
      {{5, 150, 2, 0, 0, 1050000, 5},
       {"Game Cleared!", "Time bonus: 250,000", "Clear bonus: 500,000", "Bomb bonus: 100,000",
        "No Death bonus: 200,000 ", "Press space to return"}},
      // A level past the last one ends the game without bonuses of its own.
      {{7, 1, 0, 3, 0, 0, 0},
       {"Game Cleared!", "Time bonus:       0", "Clear bonus:   0,000", "Bomb bonus:       0",
        "Too many deaths: no bonus", "Press space to return"}}};
  for (const auto& [win, lines] : cases) {
    SCOPED_TRACE("level " + std::to_string(win.level) + ", " + std::to_string(win.seconds) + " s");
    startLevel(win.level);
    world.score = win.scoreBefore;
    world.bombcount = win.bombs;
    for (int i = 0; i < win.shipsLost; ++i) world.nodeathbonus.loselife();
    const int lives = world.lifecount;
    winAfter(win.seconds);
    EXPECT_EQ(world.score, win.score);
    EXPECT_EQ(world.lifecount, lives + win.extraShips);
    EXPECT_EQ(screenLines(), lines);
  }
  EXPECT_EQ(timeBonus(bonusRow(1), -10), 100000);  // a clock set back pays no more than at 0 s
}

TEST_F(LevelWon, BonusesAreAddedOnceAndSpaceOnTheGameClearedScreenRecordsTheShipsInHand) {
  startLevel(5);
  winAfter(10);
  const int score = world.score;
  const int lives = world.lifecount;
  world.bombcount = 5;
  advanceSeconds(30);
  frames(30);
  EXPECT_EQ(world.score, score);
  EXPECT_EQ(world.lifecount, lives);
  EXPECT_EQ(world.ingametime, world.levelbegintime + 10);  // the clock stopped with the fight
  EXPECT_EQ(screenLines().at(3), "Bomb bonus: 100,000");
  hold(Key::Space);
  frame();
  EXPECT_EQ(currentScreen(world), GameScreen::title);
  EXPECT_EQ(world.lifecount, -1);
  const Highscore saved = savedBest();
  EXPECT_EQ(saved.score, score);
  EXPECT_EQ(saved.lives, lives);
  EXPECT_EQ(saved.date, clock.now());
}

}  // namespace
