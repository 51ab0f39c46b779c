#pragma once

#include <windows.h>

class WaveOutSound;
class World;

// One frame of the game window: a fresh memory context and bitmap of the client size, the current
// scene drawn into it, one BitBlt to the window, and everything released again.
// With `sound`, the frame's cues are heard.
void runFrame(HWND window, World& world, WaveOutSound* sound = nullptr);
