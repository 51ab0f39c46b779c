#pragma once

#include <memory>

#include "sprites/Sprite.h"

struct Rect;

// The boss of a level at its start position; level 1 and any unknown level get the level-1 boss.
std::unique_ptr<EnemyBaseSprite> createBoss(int level, const Rect& rc);
