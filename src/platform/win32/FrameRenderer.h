#pragma once

#include <windows.h>

class Session;

// One frame of the game window: a fresh memory context and bitmap of the client size, the current
// scene drawn into it, one BitBlt to the window, and everything released again.
void runFrame(HWND window, Session& session);
