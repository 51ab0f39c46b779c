#pragma once

#include <windows.h>

class GameFrame;
struct Rect;

// One frame of the game window: a fresh memory context and bitmap of the play field's size, the
// frame drawn into it, one BitBlt to the window, and everything released again.
void runFrame(HWND window, GameFrame& frame, const Rect& field);
