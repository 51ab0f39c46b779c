#pragma once

#include <optional>

#include "game/GameScene.h"
#include "graphics/Color.h"

class FrameCues;
class World;

// What a frame changed between its start and its end that a player should hear but no single line
// of the game announces: a result screen coming up, the title's selection moving or being taken, a
// result screen left, the boss's life bar turning another colour. Read only; the game never sees
// it.
struct SceneWatch {
  static SceneWatch of(const World& world);
  // The cues for the change from `before` to `after`.
  static void report(const SceneWatch& before, const SceneWatch& after, FrameCues& cues);

  GameScreen screen = GameScreen::title;
  int level = 0;
  int selected = 0;
  bool windowDestroyed = false;
  std::optional<Colorref> lifeBar;  // none without a boss
};
