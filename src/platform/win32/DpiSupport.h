#pragma once

#include <windows.h>

// The per-monitor DPI functions that only newer Windows has (in user32 and shcore), looked up at
// run time so that kelvaron.exe still starts where they are missing; there each answers as such a
// system would: one DPI for every screen, the system's.
namespace dpi {

constexpr UINT kDefault = 96;  // 100 %

// New windows of this thread are left to Windows to scale, as on a system without per-monitor
// DPI: the original fixed window, bitmap-stretched on a high-DPI screen as it always was.
void makeThreadUnaware();

UINT ofMonitor(HMONITOR monitor);
UINT ofWindow(HWND window);

// The outer size of a window with this style around a client area of width x height at this DPI.
SIZE windowSizeAround(int width, int height, DWORD style, UINT dpi);

}  // namespace dpi
