#include <gtest/gtest.h>

#include <fstream>

#include "GameTestSupport.h"
#include "game/Bonus.h"
#include "game/GameScene.h"
#include "game/ResultScreens.h"
#include "game/Scoring.h"

namespace {

// --- Extra ships --------------------------------------------------------------------------------

class AddScore : public GameSceneTest {};

TEST_F(AddScore, ExtraShipAtEveryMultipleReached) {
  world.lifecount = 0;
  world.score = 199999;
  addscore(world, 1);
  EXPECT_EQ(world.score, 200000);
  EXPECT_EQ(world.lifecount, 1);
  addscore(world, 199999);
  EXPECT_EQ(world.lifecount, 1);  // 399,999: not yet
  addscore(world, 400001);        // 800,000: 400,000, 600,000 and 800,000
  EXPECT_EQ(world.lifecount, 4);
  EXPECT_EQ(world.score, 800000);
}

TEST_F(AddScore, AgreesWithCountingPointByPoint) {
  for (const auto& [from, points] : std::vector<std::pair<int, int>>{
           {0, 200000}, {1, 199999}, {123456, 876544}, {599999, 1}, {0, 1000000}, {7, 3}}) {
    world.score = from;
    world.lifecount = 0;
    addscore(world, points);
    int expectedShips = 0;
    for (int s = from + 1; s <= from + points; ++s) expectedShips += s % 200000 == 0 ? 1 : 0;
    EXPECT_EQ(world.lifecount, expectedShips) << from << " + " << points;
    EXPECT_EQ(world.score, from + points);
  }
}

// --- The bonus lines ----------------------------------------------------------------------------

TEST(BonusLines, AmountsInGroupsOfThousands) {
  EXPECT_EQ(timeBonusLine(1667), "Time bonus:   1,667");
  EXPECT_EQ(timeBonusLine(25000), "Time bonus:  25,000");
  EXPECT_EQ(timeBonusLine(999), "Time bonus:       0");
  EXPECT_EQ(timeBonusLine(0), "Time bonus:       0");
  EXPECT_EQ(clearBonusLine(100000), "Clear bonus: 100,000");
  EXPECT_EQ(clearBonusLine(0), "Clear bonus:   0,000");
  EXPECT_EQ(bombBonusLine(100000), "Bomb bonus: 100,000");
  EXPECT_EQ(bombBonusLine(0), "Bomb bonus:       0");
  EXPECT_EQ(levelClearedTitle(3), "Level 3 Cleared!");
}

TEST(BonusLines, DeathLineByShipsLost) {
  NoDeathBonus deaths;
  EXPECT_EQ(deathBonusLine(deaths), "No Death bonus: 200,000 ");
  deaths.loselife();
  EXPECT_EQ(deathBonusLine(deaths), "Few Death bonus: 100,000");
  deaths.loselife();
  EXPECT_EQ(deathBonusLine(deaths), "Few Death bonus:  50,000");
  deaths.loselife();
  EXPECT_EQ(deathBonusLine(deaths), "Too many deaths: no bonus");
}

TEST(BonusTable, TimeBonusFallsToNothingAtTheLimit) {
  const LevelBonus level1 = bonusRow(1);
  EXPECT_EQ(timeBonus(level1, 0), 100000);
  EXPECT_EQ(timeBonus(level1, 45), 25000);
  EXPECT_EQ(timeBonus(level1, 59), 1667);
  EXPECT_EQ(timeBonus(level1, 60), 0);
  EXPECT_EQ(timeBonus(level1, 61), 0);
  EXPECT_EQ(timeBonus(level1, -10), 100000);  // a clock set back pays no more than at 0 s
  EXPECT_EQ(timeBonus(bonusRow(4), 120), 200000);
  EXPECT_EQ(bonusRow(5).clearbonus, 500000);
  EXPECT_EQ(bonusRow(0).clearbonus, 0);
  EXPECT_EQ(bonusRow(6).timebonus, 0);
}

// --- The level-won frame ------------------------------------------------------------------------

class LevelWon : public GameSceneTest {
 protected:
  // Fights for the given seconds, then the boss counts as dead and one more frame runs.
  void winAfter(int seconds) {
    advanceSeconds(seconds);
    frame();
    boss().dead = true;
    frame();
  }
  std::vector<std::string> screenLines() const {
    std::vector<std::string> lines;
    for (const DrawCall& call : canvas.ofKind(DrawCall::Kind::Text)) {
      if (call.colour == Colorref{0x0000FF}) {
        EXPECT_EQ(call.points.front().x, 100);
        EXPECT_EQ(call.points.front().y, 100 + 30 * static_cast<int>(lines.size()));
        lines.push_back(call.text);
      }
    }
    return lines;
  }
};

TEST_F(LevelWon, QuickCleanKillOfTheFirstBoss) {
  startLevel(1);
  winAfter(45);
  EXPECT_EQ(world.score, 425000);
  EXPECT_EQ(world.lifecount, 4);
  EXPECT_EQ(currentScreen(world), GameScreen::levelcleared);
  EXPECT_EQ(screenLines(),
            (std::vector<std::string>{"Level 1 Cleared!", "Time bonus:  25,000",
                                      "Clear bonus: 100,000", "Bomb bonus: 100,000",
                                      "No Death bonus: 200,000 ", "Press space for next level"}));
}

TEST_F(LevelWon, OneSecondBeforeTheLimit) {
  startLevel(1);
  winAfter(59);
  EXPECT_EQ(world.bonusgiven.timebonus, 1667);
  EXPECT_EQ(screenLines().at(1), "Time bonus:   1,667");
}

TEST_F(LevelWon, AtAndPastTheLimitNoTimeBonus) {
  startLevel(2);
  winAfter(120);
  EXPECT_EQ(world.bonusgiven.timebonus, 0);
  EXPECT_EQ(screenLines().at(1), "Time bonus:       0");
  EXPECT_EQ(screenLines().at(0), "Level 2 Cleared!");
}

TEST_F(LevelWon, LostShipsAndNoBombs) {
  startLevel(3);
  world.bombcount = 0;
  world.nodeathbonus.loselife();
  world.nodeathbonus.loselife();
  winAfter(500);
  const std::vector<std::string> lines = screenLines();
  EXPECT_EQ(lines.at(2), "Clear bonus: 300,000");
  EXPECT_EQ(lines.at(3), "Bomb bonus:       0");
  EXPECT_EQ(lines.at(4), "Few Death bonus:  50,000");
  EXPECT_EQ(world.score, 350000);
}

TEST_F(LevelWon, OneBonusCrossingTwoMultiplesGivesTwoShips) {
  startLevel(4);
  world.score = 150000;
  world.lifecount = 0;
  world.bombcount = 0;
  for (int i = 0; i < 3; ++i) world.nodeathbonus.loselife();
  winAfter(300);  // only the clear bonus: 400,000
  EXPECT_EQ(world.score, 550000);
  EXPECT_EQ(world.lifecount, 2);
  EXPECT_EQ(screenLines().at(4), "Too many deaths: no bonus");
}

TEST_F(LevelWon, BonusesAreAddedOnceOnly) {
  startLevel(1);
  winAfter(10);
  const int score = world.score;
  const int lives = world.lifecount;
  world.bombcount = 5;  // changes after the first won frame do not count again
  frames(30);
  EXPECT_EQ(world.score, score);
  EXPECT_EQ(world.lifecount, lives);
  EXPECT_EQ(screenLines().at(3), "Bomb bonus: 100,000");
}

TEST_F(LevelWon, SpaceStartsTheNextLevel) {
  startLevel(1);
  winAfter(10);
  const int score = world.score;
  hold(Key::Space);
  frame();
  EXPECT_EQ(world.UB.get_nowlevel(), 2);
  EXPECT_EQ(world.score, score);
  EXPECT_FALSE(world.timebonusadded);
  EXPECT_EQ(world.UB.scene, updategame);
}

TEST_F(LevelWon, LastLevelShowsGameClearedAndRecordsTheShipsInHand) {
  startLevel(5);
  winAfter(150);
  EXPECT_EQ(currentScreen(world), GameScreen::gamecleared);
  EXPECT_EQ(screenLines(),
            (std::vector<std::string>{"Game Cleared!", "Time bonus: 250,000",
                                      "Clear bonus: 500,000", "Bomb bonus: 100,000",
                                      "No Death bonus: 200,000 ", "Press space to return"}));
  const int score = world.score;
  const int lives = world.lifecount;
  hold(Key::Space);
  frame();
  EXPECT_EQ(world.lifecount, -1);
  EXPECT_EQ(currentScreen(world), GameScreen::title);
  const std::vector<Highscore> best = world.highscores.best(1);
  ASSERT_EQ(best.size(), 1u);
  EXPECT_EQ(best[0].score, score);
  EXPECT_EQ(best[0].lives, lives);
  EXPECT_EQ(best[0].date, clock.now());
}

TEST_F(LevelWon, UnknownLevelEndsTheGameWithoutLevelBonuses) {
  startLevel(7);
  winAfter(1);
  EXPECT_EQ(currentScreen(world), GameScreen::gamecleared);
  EXPECT_EQ(world.bonusgiven.timebonus, 0);
  EXPECT_EQ(world.bonusgiven.clearbonus, 0);
  EXPECT_EQ(screenLines().at(0), "Game Cleared!");
}

// --- Game over ----------------------------------------------------------------------------------

class GameOver : public GameSceneTest {};

TEST_F(GameOver, SpaceRecordsTheGameWithNegativeLivesAndSavesAtOnce) {
  startLevel(2);
  world.score = 654321;
  world.lifecount = -1;
  frames(3);
  EXPECT_EQ(world.highscores.size(), 0u);
  hold(Key::Space);
  frame();
  EXPECT_EQ(currentScreen(world), GameScreen::title);
  EXPECT_EQ(world.lifecount, -1);
  std::ifstream file(world.highscoreFile);
  std::string line;
  ASSERT_TRUE(std::getline(file, line));
  Highscore saved;
  ASSERT_TRUE(HighscoreTable::parseLine(line, saved));
  EXPECT_EQ(saved.score, 654321);
  EXPECT_EQ(saved.lives, -1);
  EXPECT_EQ(saved.date, clock.now());
}

}  // namespace
