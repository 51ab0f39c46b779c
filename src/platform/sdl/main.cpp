// The Linux program: one window, one game update every 10 ms, the game's core doing all the rest.
#include <cstdio>
#include <exception>
#include <optional>

#include "FrameLog.h"
#include "GameLoop.h"
#include "GameWindow.h"
#include "HighscoreLocation.h"
#include "Options.h"
#include "RasterCanvas.h"
#include "SdlControlSource.h"
#include "SdlSound.h"
#include "SdlSystem.h"
#include "game/PlayField.h"
#include "replay/ReplayPlayer.h"
#include "shell/Session.h"

namespace {

// The logs asked for on the command line, and how the loop runs.
struct Logs {
  std::optional<FrameLog> updates;
  std::optional<FrameLog> presents;

  explicit Logs(const Options& options) {
    if (!options.frameLog.empty()) updates.emplace(options.frameLog);
    if (!options.presentLog.empty()) presents.emplace(options.presentLog);
  }
  LoopOptions loop(const Options& options) {
    return {options.look.vsync, {updates ? &*updates : nullptr, presents ? &*presents : nullptr}};
  }
};

int showReplay(const Options& options) {
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
  Logs logs(options);
  SdlSound sound(!options.mute, options.volume, "");
  return runReplay(session, window, canvas, player, logs.loop(options), &sound) ? 0 : 1;
}

int play(const Options& options) {
  if (!options.replay.empty()) return showReplay(options);
  SdlSystem sdl;
  GameWindow window("Kelvaron", kFieldWidth, kFieldHeight, options.look);
  Logs logs(options);

  SdlControlSource controls;
  Session session;
  World& world = session.world;
  world.rc = {0, 0, kFieldWidth, kFieldHeight};
  world.highscoreFile = highscoreLocationHere();
  world.input.setSource(&controls);
  world.recordReplays = true;
  world.start();
  RasterCanvas canvas(kFieldWidth, kFieldHeight);
  // M's choice is kept beside the highscores; --mute starts silent whatever it says.
  const std::string soundSetting = (world.highscoreFile.parent_path() / "sound.txt").string();
  SdlSound sound(!options.mute && readSoundOn(soundSetting), options.volume, soundSetting);
  runFrames(session, window, canvas, logs.loop(options), &controls, &sound);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (const std::optional<int> status = parseOptions(argc, argv, options)) return *status;
  try {
    return play(options);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "kelvaron: cannot open the game window: %s\n", error.what());
    return 1;
  }
}
