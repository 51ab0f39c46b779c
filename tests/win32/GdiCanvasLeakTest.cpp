// The GDI canvas must give back every object it creates: the game draws hundreds of shapes a
// frame, 100 frames a second, and a process that leaks GDI objects stops drawing at 10,000.
#include <gtest/gtest.h>

#include <array>

#include "DibSurface.h"
#include "GdiCanvas.h"
#include "GdiObjectCount.h"
#include "ScriptedPlay.h"
#include "game/World.h"
#include "shell/UpdateBridge.h"

namespace {

constexpr int kFrames = 10'000;

// The frames are drawn into one memory surface of the client size: the objects under test are the
// ones the canvas creates, and a fresh 2 MB bitmap per frame would only slow the test down.
class FrameDrawer {
 public:
  explicit FrameDrawer(World& world)
      : world_(world), surface_(world.rc.right, world.rc.bottom), canvas_(surface_.dc()) {}
  void operator()() { update(world_, canvas_); }

 private:
  World& world_;
  DibSurface surface_;
  GdiCanvas canvas_;
};

struct Counted {
  int before = 0;
  int after = 0;
};

template <typename Frame>
Counted countAround(int frames, Frame frame) {
  frame(0);  // GDI creates some stock objects on first use; they are not the frames' doing
  Counted counted;
  counted.before = gdiObjectCount();
  for (int i = 1; i <= frames; ++i) frame(i);
  counted.after = gdiObjectCount();
  return counted;
}

TEST(GdiObjectCount, SeesObjectsThatAreNotGivenBack) {
  std::array<HPEN, 25> pens{};
  const int before = gdiObjectCount();
  for (std::size_t i = 0; i < pens.size(); ++i) pens[i] = CreatePen(PS_SOLID, 1, RGB(i, 0, 0));
  const int withPens = gdiObjectCount();
  for (HPEN pen : pens) DeleteObject(pen);
  EXPECT_EQ(withPens - before, 25);
  EXPECT_EQ(gdiObjectCount(), before);
}

TEST(GdiCanvasLeak, TitleFramesGiveBackEveryObject) {
  World world;
  FrameDrawer drawFrame(world);
  const Counted counted = countAround(kFrames, [&](int) { drawFrame(); });
  EXPECT_GT(counted.before, 0);
  EXPECT_EQ(counted.after, counted.before);
}

TEST(GdiCanvasLeak, GameFramesGiveBackEveryObject) {
  ScriptedPlay play;
  World world;
  world.input.setSource(&play);
  world.windowfront = true;
  world.invincible = true;
  world.UB.newgame();
  FrameDrawer drawFrame(world);
  const Counted counted = countAround(kFrames, [&](int frame) {
    play.setFrame(frame);
    world.windowfront = true;
    drawFrame();
  });
  EXPECT_EQ(counted.after, counted.before);
}

TEST(GdiCanvasLeak, EveryCallLeavesTheDeviceContextAsItFoundIt) {
  const DibSurface surface(64, 64);
  GdiCanvas canvas(surface.dc());
  const HGDIOBJ pen = GetCurrentObject(surface.dc(), OBJ_PEN);
  const HGDIOBJ brush = GetCurrentObject(surface.dc(), OBJ_BRUSH);
  const std::array<Point, 3> triangle = {{{1, 1}, {30, 5}, {10, 40}}};
  canvas.polygon(triangle, Colorref{0x00FF00}, Colorref{0x0000FF});
  canvas.polygon(triangle, std::nullopt, Colorref{0x0000FF});
  canvas.rectangle(2, 2, 20, 20, Colorref{0xFFFFFF}, std::nullopt);
  canvas.line({0, 0}, {50, 20}, 0xFF00FF);
  EXPECT_EQ(GetCurrentObject(surface.dc(), OBJ_PEN), pen);
  EXPECT_EQ(GetCurrentObject(surface.dc(), OBJ_BRUSH), brush);
}

}  // namespace
