#pragma once

#include "game/World.h"
#include "replay/ReplayRecorder.h"
#include "shell/UpdateBridge.h"

class Canvas;

// One run of the game program: the World with everything the game keeps, the scene bridge that
// runs its scenes and the recorder that writes each game into a replay. A fresh session is the
// program at start, on the title.
class Session {
 public:
  Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  World world;
  ReplayRecorder recorder;
  UpdateBridge UB{world, recorder};
};

// The frame entry: runs the current scene once, with the replay's and the sound's bookkeeping
// around it.
void update(Session& session, Canvas& canvas);
