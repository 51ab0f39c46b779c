#include "FrameRenderer.h"

#include "GameFrame.h"
#include "GdiCanvas.h"
#include "game/World.h"

void runFrame(HWND window, GameFrame& frame, const Rect& field) {
  const int width = field.right;
  const int height = field.bottom;
  HDC windowDc = GetDC(window);
  HDC memoryDc = CreateCompatibleDC(windowDc);
  // New every frame and never cleared: each frame is drawn on a black field.
  HBITMAP bitmap = CreateCompatibleBitmap(windowDc, width, height);
  HGDIOBJ previousBitmap = SelectObject(memoryDc, bitmap);

  GdiCanvas canvas(memoryDc);
  frame.updateOnBlack(canvas, GetForegroundWindow() == window);

  BitBlt(windowDc, 0, 0, width, height, memoryDc, 0, 0, SRCCOPY);
  SelectObject(memoryDc, previousBitmap);
  DeleteObject(bitmap);
  DeleteDC(memoryDc);
  ReleaseDC(window, windowDc);
}
