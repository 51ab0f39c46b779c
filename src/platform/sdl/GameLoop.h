#pragma once

#include <string>

#include "PausableLoop.h"

class GameWindow;
class RasterCanvas;
class ReplayPlayer;
class SdlControlSource;
struct SdlBindings;
class SoundOutput;
class Session;

struct LoopOptions {
  // The window waits for the display at each present (GameWindow's look.vsync), and every present
  // runs the updates that came due since the last. Without it: one update, one present, 100 times a
  // second.
  bool vsync = true;
  LoopLogs logs;
  // The keys that pause; none given: P and Escape, and the controller's Back.
  const SdlBindings* bindings = nullptr;
};

// Runs the game at 100 updates per second of steady time until the window's close box or the
// title's "Quit", then writes the highscores. Frames go on while the window is in the background or
// minimised; the controls then read as released. The pause keys (P, Escape or a controller's Back
// button unless bound otherwise) pause a fight and resume it: no update runs, the game's clock
// stands still and the picture stays, dimmed. With `sound`, each update's cues are heard and M
// turns the sound off and on. A `notice` shows at the top left for the first seconds.
void runFrames(Session& session, GameWindow& window, RasterCanvas& canvas,
               const LoopOptions& options, SdlControlSource* controls = nullptr,
               SoundOutput* sound = nullptr, const std::string& notice = {});

// Shows a recorded game at the game's own pace with a "REPLAY" mark, until its last frame, the
// close box or Escape. Records nothing and writes no highscores. False when the game played back
// differently from the recording (the reason is on stderr).
bool runReplay(Session& session, GameWindow& window, RasterCanvas& canvas, ReplayPlayer& player,
               const LoopOptions& options, SoundOutput* sound = nullptr);
