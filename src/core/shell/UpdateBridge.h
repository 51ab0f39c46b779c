#pragma once

#include "game/GameScene.h"
#include "game/SceneSwitch.h"

class Canvas;
class ReplayRecorder;
class World;

// A scene runs one frame: reads the controls, updates and draws into the canvas.
using Scene = void (*)(World& world, Canvas& canvas);

void updatetitle(World& world, Canvas& canvas);

// The scene bridge: which scene runs each frame and which level is being played. Going back to the
// title ends the replay being recorded.
class UpdateBridge final : public SceneSwitch {
 public:
  UpdateBridge(World& world, ReplayRecorder& recorder) : world_(world), recorder_(recorder) {}

  void call(World& world, Canvas& canvas) { scene(world, canvas); }

  void title() override;
  void newgame() override;
  void contgame() override;
  void nextlevel() override;
  void startAt(int level) override;
  int get_nowlevel() const override { return nowlevel; }
  bool inGame() const override { return scene == updategame; }

  Scene scene = updatetitle;
  int nowlevel = 1;

 private:
  World& world_;
  ReplayRecorder& recorder_;
};
