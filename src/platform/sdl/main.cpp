// The Linux program: one window, one game update every 10 ms, the game's core doing all the rest.
#include <cstdio>
#include <exception>
#include <optional>
#include <string>

#include "FrameLog.h"
#include "GameLoop.h"
#include "GameWindow.h"
#include "HighscoreLocation.h"
#include "Options.h"
#include "RasterCanvas.h"
#include "SdlBindings.h"
#include "SdlControlSource.h"
#include "SdlSound.h"
#include "SdlSystem.h"
#include "SettingsHere.h"
#include "game/PlayField.h"
#include "replay/ReplayPlayer.h"
#include "settings/KeyBindings.h"
#include "settings/Settings.h"
#include "shell/Session.h"

namespace {

// How the loop runs, with the logs asked for on the command line and the player's pause keys.
LoopOptions loopOptions(const Options& options, LogFiles& logs, const SdlBindings& bindings) {
  return {options.look.vsync, logs.loop(), &bindings};
}

// The keys the settings file binds; the file keeps what the player wrote even when it clashes.
Settings::Controls boundKeys(const Settings& settings) {
  bool replaced = false;
  Settings::Controls controls = playableControls(settings.controls, &replaced);
  if (replaced) std::fprintf(stderr, "kelvaron: the key bindings clash; today's keys are used\n");
  return controls;
}

int showReplay(const Options& options, const SdlBindings& bindings) {
  std::string error;
  auto replay = loadReplay(options.replay, error);
  if (!replay) {
    std::fprintf(stderr, "kelvaron: %s\n", error.c_str());
    return 2;
  }
  SdlSystem sdl;
  GameWindow window("Kelvaron", kFieldWidth, kFieldHeight, options.look);
  Session session;
  World& world = session.world;
  ReplayPlayer player(std::move(*replay));
  player.start(world);
  RasterCanvas canvas(kFieldWidth, kFieldHeight);
  LogFiles logs(options.frameLog, options.presentLog);
  SdlSound sound(!options.mute, options.volume);
  const bool matched = runReplay(session, window, canvas, player,
                                 loopOptions(options, logs, bindings), &sound.output());
  return matched ? 0 : 1;
}

// `stored` is the settings file; `options` the settings for this run, the command line over it.
int play(const Options& options, StoredSettings& stored) {
  const Settings::Controls controls = boundKeys(stored.settings());
  const SdlBindings bindings = sdlBindings(controls, stored.settings().gamepad);
  if (!options.replay.empty()) return showReplay(options, bindings);
  SdlSystem sdl;
  GameWindow window("Kelvaron", kFieldWidth, kFieldHeight, options.look);
  window.onFullscreenSwitched([&stored](bool on) {
    stored.change([on](Settings& settings) { settings.display.fullscreen = on; });
  });
  LogFiles logs(options.frameLog, options.presentLog);

  SdlControlSource keys(bindings);
  Session session;
  World& world = session.world;
  world.rc = {0, 0, kFieldWidth, kFieldHeight};
  world.highscoreFile = highscoreLocationHere(options.dataDir.c_str());
  world.input.setSource(&keys);
  world.controls = &controls;
  world.recordReplays = true;
  world.start();
  RasterCanvas canvas(kFieldWidth, kFieldHeight);
  // M's choice goes into the settings file; --mute starts silent whatever it says.
  carryOverSoundFile(stored, world.highscoreFile.parent_path() / "sound.txt");
  SdlSound sound(!options.mute && stored.settings().sound.on, options.volume, [&stored](bool on) {
    stored.change([on](Settings& settings) { settings.sound.on = on; });
  });
  runFrames(session, window, canvas, loopOptions(options, logs, bindings), &keys, &sound.output(),
            stored.notice());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  StoredSettings stored = loadSettingsHere();
  Options options = optionsFrom(stored.settings());
  if (const std::optional<int> status = parseOptions(argc, argv, options)) return *status;
  try {
    return play(options, stored);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "kelvaron: cannot open the game window: %s\n", error.what());
    return 1;
  }
}
