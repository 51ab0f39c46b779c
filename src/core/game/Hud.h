#pragma once

#include <string>

#include "graphics/Color.h"

class Canvas;
class EnemyBaseSprite;
class World;

// The boss's life bar at the top left: "BOSS" and one pixel of bar per life point. Without a boss
// only the label is drawn.
void drawlife(Canvas& canvas, const EnemyBaseSprite* boss);

// The box at the bottom left with lives, bombs and score. It slides down out of the ship's way when
// the ship comes near it, while a copy rises at the bottom right.
void drawscores(World& world, Canvas& canvas);

// Blue above 99, yellow from 35 to 99, red at 34 and below.
Colorref lifeBarColour(int life);
// "S:   %03d,%03d" up to 999,999, then "S:%2d,%03d,%03d" with the last two digits of the millions.
std::string formatScore(int score);
// A count of lives or bombs in its two-character field, "%2d"; 100 and more show as 99.
std::string formatCount(int count);
// The ship is near the box: left of x 290 and below 80 pixels above the bottom edge.
bool nearScoreBox(const World& world);
