#pragma once

#include <string>

#include "game/LevelTable.h"

class Canvas;
class NoDeathBonus;
class World;

// The lines of the level-won screens, amounts grouped in thousands.
std::string levelClearedTitle(int level);
std::string timeBonusLine(int amount);
std::string clearBonusLine(int amount);
std::string bombBonusLine(int amount);
std::string deathBonusLine(const NoDeathBonus& deaths);

// The last ship is lost: "GAME OVER" until Space records the game and returns to the title.
void updategameover(World& world, Canvas& canvas);

// The boss is dead: grants the level's bonuses (once), shows the level-cleared or game-cleared
// screen, and on Space starts the next level or records the finished game and returns to the title.
void updatelevelwon(World& world, Canvas& canvas);
