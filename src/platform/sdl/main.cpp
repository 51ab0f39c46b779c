// The Linux program: one window, one game update every 10 ms, the game's core doing all the rest.
#include <cstdio>
#include <cstdlib>
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

// What the player set. Until the settings file is read, the defaults, with bindings from
// KELVARON_BINDINGS ("fire=J;pause=Q,Escape") so that tests can play with keys bound otherwise.
Settings startSettings() {
  Settings settings;
  if (const char* text = std::getenv("KELVARON_BINDINGS")) {
    if (!applyBindingText(settings.controls, text)) {
      std::fprintf(stderr, "kelvaron: KELVARON_BINDINGS ignored: %s\n", text);
    }
  }
  return settings;
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
  SdlSound sound(!options.mute, options.volume, "");
  const bool matched = runReplay(session, window, canvas, player,
                                 loopOptions(options, logs, bindings), &sound.output());
  return matched ? 0 : 1;
}

int play(const Options& options, const Settings& settings) {
  const SdlBindings bindings = sdlBindings(settings.controls, settings.gamepad);
  if (!options.replay.empty()) return showReplay(options, bindings);
  SdlSystem sdl;
  GameWindow window("Kelvaron", kFieldWidth, kFieldHeight, options.look);
  LogFiles logs(options.frameLog, options.presentLog);

  SdlControlSource controls(bindings);
  Session session;
  World& world = session.world;
  world.rc = {0, 0, kFieldWidth, kFieldHeight};
  world.highscoreFile = highscoreLocationHere();
  world.input.setSource(&controls);
  world.controls = &settings.controls;
  world.recordReplays = true;
  world.start();
  RasterCanvas canvas(kFieldWidth, kFieldHeight);
  // M's choice is kept beside the highscores; --mute starts silent whatever it says.
  const std::string soundSetting = (world.highscoreFile.parent_path() / "sound.txt").string();
  SdlSound sound(!options.mute && readSoundOn(soundSetting), options.volume, soundSetting);
  runFrames(session, window, canvas, loopOptions(options, logs, bindings), &controls,
            &sound.output());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (const std::optional<int> status = parseOptions(argc, argv, options)) return *status;
  try {
    const Settings settings = startSettings();
    return play(options, settings);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "kelvaron: cannot open the game window: %s\n", error.what());
    return 1;
  }
}
