#pragma once

#include "game/World.h"
#include "shell/UpdateBridge.h"
#include "support/HeldKeys.h"
#include "support/RecordingCanvas.h"
#include "support/ScratchDirectory.h"
#include "timing/Clock.h"

// A World played frame by frame as the game's frame plays it: a virtual clock one hundredth of a
// second a frame, the keys the test holds, a canvas holding the last frame's drawing and a
// highscore file of the test's own. It starts at the title, or in a level with startLevel().
class LevelRun {
 public:
  LevelRun() {
    world.setClock(&clock);
    world.input.setSource(&keys);
    world.windowfront = true;
    world.highscoreFile = scratch.path() / "highscores.csv";
  }

  // Sets the level up as the bridge does on entering it: its boss, a fresh ship, empty lists.
  void startLevel(int level) {
    world.UB.nowlevel = level;
    world.UB.scene = updategame;
    world.initialize(level);
  }

  void frame() {
    clock.setFrame(clock.frame() + 1);
    canvas.clear();
    update(world, canvas);
  }
  void frames(int n) {
    for (int i = 0; i < n; ++i) frame();
  }
  // Plays on while `going` holds, at most `limit` frames.
  template <class Condition>
  void framesWhile(Condition going, int limit = 100000) {
    for (int n = 0; going() && n < limit; ++n) frame();
  }

  void hold(Key key) { keys.held.insert(key); }
  void release(Key key) { keys.held.erase(key); }
  // One press: held for a frame, released for a frame.
  void press(Key key) {
    hold(key);
    frame();
    release(key);
    frame();
  }

  ScratchDirectory scratch;
  VirtualClock clock;
  HeldKeys keys;
  World world;
  RecordingCanvas canvas;
};
