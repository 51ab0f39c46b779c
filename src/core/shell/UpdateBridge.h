#pragma once

class Canvas;
class World;

// A scene runs one frame: reads the controls, updates and draws into the canvas.
using Scene = void (*)(World& world, Canvas& canvas);

void updatetitle(World& world, Canvas& canvas);
void updategame(World& world, Canvas& canvas);

// The scene bridge: which scene runs each frame and which level is being played. A switch takes
// effect with the next frame; the scene that asked for it finishes its own frame.
class UpdateBridge {
 public:
  explicit UpdateBridge(World& world) : world_(world) {}

  void call(World& world, Canvas& canvas) { scene(world, canvas); }

  void title();
  void newgame();    // level 1
  void contgame();   // the last level
  void nextlevel();  // the level after this one, same scene
  // A new game as if chosen from the title, moved on to `level` without playing: level 5 is
  // "Continue", the others "New Game" and its next levels.
  void startAt(int level);
  int get_nowlevel() const { return nowlevel; }

  Scene scene = updatetitle;
  int nowlevel = 1;

 private:
  World& world_;
};

// The frame entry: runs the current scene once.
void update(World& world, Canvas& canvas);
