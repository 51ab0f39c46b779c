#pragma once

#include <string>

#include "PausableLoop.h"

class RasterCanvas;
class ScaledWindow;
class SoundOutput;
class Session;

// Runs the game at 100 updates per second of steady time until the window closes or the title's
// "Quit", then writes the highscores. Each turn runs the updates due since the last (after a slow
// present up to 5, the rest dropped), each after the window's messages, then presents the picture
// once. Frames go on while the window is in the background; the controls then read as released.
// P or Escape pause a fight and resume it: no update runs, the game's clock stands still and the
// picture stays, dimmed. Each update's sound cues are heard, and M turns the sound off and on. A
// `notice` shows at the top left for the first seconds.
void runGame(Session& session, ScaledWindow& window, RasterCanvas& canvas, const LoopLogs& logs,
             SoundOutput& sound, const std::string& notice = {});
