#pragma once

#include <windows.h>

class FrameLog;
class Session;

// The original program, kept whole behind --gdi: one fixed 800 x 600 window whose 10 ms
// timer runs one frame per tick with no catch-up, each drawn with GDI into a fresh memory bitmap
// and shown with one BitBlt. The window is left to Windows to scale on a high-DPI screen. Returns
// the exit status once the window is gone.
int runGdiWindow(HINSTANCE instance, int showCommand, Session& session, FrameLog* frameLog);
