#pragma once

class FrameLog;
class GameWindow;
class RasterCanvas;
class SdlControlSource;
class ReplayPlayer;
class World;

// Runs one frame per tick until the window's close box or the title's "Quit", then writes the
// highscores. Frames go on while the window is in the background or minimised; the controls then
// read as released. F11 and Alt+Enter switch fullscreen; controllers plugged in or out reach the
// controls when given.
void runFrames(World& world, GameWindow& window, RasterCanvas& canvas, FrameLog* log,
               SdlControlSource* controls = nullptr);

// Shows a recorded game at the game's own pace with a "REPLAY" mark, until its last frame, the
// close box or Escape. Records nothing and writes no highscores. False when the game played back
// differently from the recording (the reason is on stderr).
bool runReplay(World& world, GameWindow& window, RasterCanvas& canvas, ReplayPlayer& player);
