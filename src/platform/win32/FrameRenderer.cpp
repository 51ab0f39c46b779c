#include "FrameRenderer.h"

#include "GdiCanvas.h"
#include "WaveOutSound.h"
#include "game/World.h"

void runFrame(HWND window, World& world, WaveOutSound* sound) {
  const int width = world.rc.right;
  const int height = world.rc.bottom;
  HDC windowDc = GetDC(window);
  HDC memoryDc = CreateCompatibleDC(windowDc);
  // New every frame and never cleared: each frame is drawn on a black field.
  HBITMAP bitmap = CreateCompatibleBitmap(windowDc, width, height);
  HGDIOBJ previousBitmap = SelectObject(memoryDc, bitmap);

  world.windowfront = GetForegroundWindow() == window;
  GdiCanvas canvas(memoryDc);
  update(world, canvas);
  if (sound) sound->frame(world, canvas);

  BitBlt(windowDc, 0, 0, width, height, memoryDc, 0, 0, SRCCOPY);
  SelectObject(memoryDc, previousBitmap);
  DeleteObject(bitmap);
  DeleteDC(memoryDc);
  ReleaseDC(window, windowDc);
}
