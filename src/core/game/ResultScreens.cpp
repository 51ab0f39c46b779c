#include "game/ResultScreens.h"

#include <cstdio>

#include "game/Bonus.h"
#include "game/LevelTable.h"
#include "game/Scoring.h"
#include "game/World.h"
#include "graphics/Canvas.h"

namespace {

constexpr int kLeft = 100;

// "%3d,%03d" of an amount: thousands, then units.
std::string grouped(const char* format, int amount) {
  char text[64];
  std::snprintf(text, sizeof text, format, (amount / 1000) % 1000, amount % 1000);
  return text;
}

bool spaceHeld(const World& world) { return world.windowfront && world.input.button4(); }

void drawLines(Canvas& canvas, const std::string (&lines)[6]) {
  for (int i = 0; i < 6; ++i) canvas.text(kLeft, 100 + 30 * i, lines[i], kRed);
}

}  // namespace

std::string levelClearedTitle(int level) {
  char text[32];
  std::snprintf(text, sizeof text, "Level %1d Cleared!", level);
  return text;
}

std::string timeBonusLine(int amount) {
  return amount > 999 ? grouped("Time bonus: %3d,%03d", amount) : "Time bonus:       0";
}

std::string clearBonusLine(int amount) { return grouped("Clear bonus: %3d,%03d", amount); }

std::string bombBonusLine(int amount) {
  return amount > 999 ? grouped("Bomb bonus: %3d,%03d", amount) : "Bomb bonus:       0";
}

std::string deathBonusLine(const NoDeathBonus& deaths) {
  if (deaths.getLostLife() == 0) return grouped("No Death bonus: %3d,%03d ", deaths.getBonus());
  if (deaths.getBonus() != 0) return grouped("Few Death bonus: %3d,%03d", deaths.getBonus());
  return "Too many deaths: no bonus";
}

void updategameover(World& world, Canvas& canvas) {
  canvas.text(kLeft, 100, "GAME OVER", kRed);
  canvas.text(kLeft, 130, "Press space to return", kRed);
  if (!spaceHeld(world)) return;
  world.recordHighscore(world.score, world.lifecount, world.now());
  world.UB->title();
}

void updatelevelwon(World& world, Canvas& canvas) {
  addLevelBonuses(world);
  const int level = world.UB->get_nowlevel();
  const bool leadsOn = levelLeadsOn(level);
  const std::string lines[6] = {
      leadsOn ? levelClearedTitle(level) : "Game Cleared!",
      timeBonusLine(world.bonusgiven.timebonus),
      clearBonusLine(world.bonusgiven.clearbonus),
      bombBonusLine(world.bonusgiven.bombbonus),
      deathBonusLine(world.nodeathbonus),
      leadsOn ? "Press space for next level" : "Press space to return",
  };
  drawLines(canvas, lines);
  if (!spaceHeld(world)) return;
  if (leadsOn) {
    world.UB->nextlevel();
    return;
  }
  world.recordHighscore(world.score, world.lifecount, world.now());
  world.lifecount = -1;
  world.UB->title();
}
