#include "shell/SceneWatch.h"

#include "game/Hud.h"
#include "game/World.h"
#include "sound/FrameCues.h"

namespace {

bool isResult(GameScreen screen) {
  return screen == GameScreen::levelcleared || screen == GameScreen::gamecleared ||
         screen == GameScreen::gameover;
}

// The title's selection moved, or an entry was taken (a game starts or the window closes).
void reportTitle(const SceneWatch& before, const SceneWatch& after, FrameCues& cues) {
  if (after.selected != before.selected) cues.add(SoundCue::menuMove);
  if (after.screen != GameScreen::title || after.windowDestroyed) cues.add(SoundCue::menuChoice);
}

void reportOutcome(const SceneWatch& after, FrameCues& cues) {
  switch (after.screen) {
    case GameScreen::levelcleared: cues.add(SoundCue::levelCleared); break;
    case GameScreen::gamecleared: cues.add(SoundCue::gameCleared); break;
    case GameScreen::gameover: cues.add(SoundCue::gameOver); break;
    default: break;
  }
}

}  // namespace

SceneWatch SceneWatch::of(const World& world) {
  SceneWatch watch;
  watch.screen = currentScreen(world);
  watch.level = world.UB->get_nowlevel();
  watch.selected = world.selected;
  watch.windowDestroyed = world.windowDestroyed();
  if (watch.screen != GameScreen::title && world.es) {
    watch.lifeBar = lifeBarColour(world.es->get_life());
  }
  return watch;
}

void SceneWatch::report(const SceneWatch& before, const SceneWatch& after, FrameCues& cues) {
  if (before.screen == GameScreen::title) {
    reportTitle(before, after, cues);
    return;
  }
  // Space on a result screen: on to the next level, or back to the title.
  if (isResult(before.screen) && (after.screen != before.screen || after.level != before.level)) {
    cues.add(SoundCue::menuChoice);
    return;
  }
  if (before.screen == GameScreen::fight) reportOutcome(after, cues);
  // One boss from frame start to end: the same fight on the same level.
  const bool sameBoss = after.screen != GameScreen::title && after.level == before.level;
  if (sameBoss && before.lifeBar && after.lifeBar && *before.lifeBar != *after.lifeBar) {
    cues.add(SoundCue::lifeBarColour);
  }
}
