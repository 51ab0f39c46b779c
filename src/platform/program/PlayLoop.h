#pragma once

#include <string>

#include "PausableLoop.h"

class ReplayPlayer;
class Session;
class SoundOutput;

// Plays the session's game in the pausable loop until the window's close box or the title's "Quit",
// then writes the highscores. The game's clock is wall time that stands still while a fight is
// paused; frames go on while the window is in the background, the controls then reading as
// released. With `sound`, each update's cues are heard and M turns the sound off and on. A `notice`
// shows at the top left for the first seconds.
void playInLoop(Session& session, LoopHost& host, RasterCanvas& canvas, const LoopLogs& logs,
                SoundOutput* sound, int maxStepsPerPresent = FixedStep::kMaxStepsPerPresent,
                const std::string& notice = {});

// Shows a recorded game in the loop at the game's own pace with the REPLAY mark, until its last
// frame or the host's close; it never pauses. Records nothing and writes no highscores.
void replayInLoop(Session& session, ReplayPlayer& player, LoopHost& host, RasterCanvas& canvas,
                  const LoopLogs& logs, SoundOutput* sound,
                  int maxStepsPerPresent = FixedStep::kMaxStepsPerPresent);
