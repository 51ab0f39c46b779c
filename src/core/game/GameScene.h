#pragma once

class Canvas;
class World;

// The game scene: one frame of a level's fight or of its result screen.
void updategame(World& world, Canvas& canvas);

// What the game shows at the end of a frame: the title, the fight, or one of the three result
// screens. Decided exactly as the game frame decides its outcome, so a runner that asks after a
// frame sees the screen that frame drew.
enum class GameScreen { title, fight, gameover, levelcleared, gamecleared };

GameScreen currentScreen(const World& world);
const char* screenName(GameScreen screen);

// Whether the boss has run its destruction to the end. Before a boss exists there is nothing to
// be dead, so the fight goes on.
bool bossIsDead(const World& world);
