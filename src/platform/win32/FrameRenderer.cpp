#include "FrameRenderer.h"

#include "GdiCanvas.h"
#include "shell/Session.h"

void runFrame(HWND window, Session& session) {
  World& world = session.world;
  const int width = world.rc.right;
  const int height = world.rc.bottom;
  HDC windowDc = GetDC(window);
  HDC memoryDc = CreateCompatibleDC(windowDc);
  // New every frame and never cleared: each frame is drawn on a black field.
  HBITMAP bitmap = CreateCompatibleBitmap(windowDc, width, height);
  HGDIOBJ previousBitmap = SelectObject(memoryDc, bitmap);

  world.windowfront = GetForegroundWindow() == window;
  GdiCanvas canvas(memoryDc);
  update(session, canvas);

  BitBlt(windowDc, 0, 0, width, height, memoryDc, 0, 0, SRCCOPY);
  SelectObject(memoryDc, previousBitmap);
  DeleteObject(bitmap);
  DeleteDC(memoryDc);
  ReleaseDC(window, windowDc);
}
