// What drawing and showing one frame costs on each of kelvaron.exe's paths, for the busiest frame
// of a level's golden replay: GDI calls into a fresh memory bitmap and one BitBlt (--gdi), against
// RasterCanvas and one StretchDIBits (the default), here at the game's size and at three times it.
// Prints the median and the 99th percentile of each over many draws, in microseconds.
// Usage: kelvaron-draw-cost.exe [LEVEL [DRAWS]]   (needs a display: run it under Xvfb and Wine)
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "BusiestFrame.h"
#include "GdiCanvas.h"
#include "RasterCanvas.h"
#include "SteadyTimer.h"
#include "game/PlayField.h"

namespace {

void drawWithGdi(HWND window, const FrameRecording& frame) {
  HDC windowDc = GetDC(window);
  HDC memoryDc = CreateCompatibleDC(windowDc);
  HBITMAP bitmap = CreateCompatibleBitmap(windowDc, kFieldWidth, kFieldHeight);
  HGDIOBJ previous = SelectObject(memoryDc, bitmap);
  GdiCanvas canvas(memoryDc);
  frame.drawInto(canvas);
  BitBlt(windowDc, 0, 0, kFieldWidth, kFieldHeight, memoryDc, 0, 0, SRCCOPY);
  SelectObject(memoryDc, previous);
  DeleteObject(bitmap);
  DeleteDC(memoryDc);
  ReleaseDC(window, windowDc);
}

void drawWithRaster(HWND window, RasterCanvas& canvas, const FrameRecording& frame, int scale) {
  canvas.clear();
  frame.drawInto(canvas);
  BITMAPINFO picture{};
  picture.bmiHeader = {
      sizeof picture.bmiHeader, kFieldWidth, -kFieldHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  HDC dc = GetDC(window);
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchDIBits(dc, 0, 0, kFieldWidth * scale, kFieldHeight * scale, 0, 0, kFieldWidth,
                kFieldHeight, canvas.pixels(), &picture, DIB_RGB_COLORS, SRCCOPY);
  ReleaseDC(window, dc);
}

void report(const char* path, int draws, const std::function<void()>& draw) {
  std::vector<std::int64_t> costs;
  for (int i = 0; i < draws; ++i) {
    const std::int64_t started = steadyNowUs();
    draw();
    GdiFlush();
    costs.push_back(steadyNowUs() - started);
  }
  std::sort(costs.begin(), costs.end());
  std::printf("%-34s median %6lld us   p99 %6lld us\n", path,
              static_cast<long long>(costs[costs.size() / 2]),
              static_cast<long long>(costs[costs.size() * 99 / 100]));
}

}  // namespace

int main(int argc, char** argv) {
  const int level = argc > 1 ? std::atoi(argv[1]) : 4;
  const int draws = argc > 2 ? std::atoi(argv[2]) : 500;
  const FrameRecording frame = busiestFrameOfLevel(level);
  std::printf("level %d, busiest frame: %zu drawing calls, %d draws each\n", level, frame.calls(),
              draws);
  HWND window =
      CreateWindowExA(0, "STATIC", "draw cost", WS_POPUP | WS_VISIBLE, 0, 0, kFieldWidth * 3,
                      kFieldHeight * 3, nullptr, nullptr, nullptr, nullptr);
  RasterCanvas canvas(kFieldWidth, kFieldHeight);
  report("GDI + BitBlt (--gdi)", draws, [&] { drawWithGdi(window, frame); });
  report("RasterCanvas + StretchDIBits 1x", draws,
         [&] { drawWithRaster(window, canvas, frame, 1); });
  report("RasterCanvas + StretchDIBits 3x", draws,
         [&] { drawWithRaster(window, canvas, frame, 3); });
  report("RasterCanvas drawing alone", draws, [&] {
    canvas.clear();
    frame.drawInto(canvas);
  });
  DestroyWindow(window);
  return 0;
}
