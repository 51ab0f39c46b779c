#include "shell/Session.h"

#include "shell/SceneWatch.h"

Session::Session() {
  world.UB = &UB;
  world.observer = &recorder;
}

void update(Session& session, Canvas& canvas) {
  World& world = session.world;
  World::makeCurrent(world);
  session.recorder.frameBegins(world);
  world.cues.beginFrame();
  const SceneWatch before = SceneWatch::of(world);
  session.UB.call(world, canvas);
  SceneWatch::report(before, SceneWatch::of(world), world.cues);
  session.recorder.frameEnds(world);
}
