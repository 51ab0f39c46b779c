// The Windows program: by default a scalable window stepped every 10 ms on the performance counter
// and drawn with the software rasterizer; with --gdi the original fixed window, its 10 ms timer and
// GDI.
#include <windows.h>

#include <exception>
#include <optional>

#include "DataFolder.h"
#include "FrameLog.h"
#include "GameLoop.h"
#include "GdiWindow.h"
#include "RasterCanvas.h"
#include "ScaledWindow.h"
#include "WaveOutSound.h"
#include "Win32ControlSource.h"
#include "Win32KeyNames.h"
#include "WinOptions.h"
#include "game/PlayField.h"
#include "settings/Settings.h"
#include "shell/Session.h"

namespace {

int runScaledWindow(HINSTANCE instance, int showCommand, const WinOptions& options,
                    const Settings& settings, Session& session, LogFiles& logs) {
  ScaledWindow window(instance, kFieldWidth, kFieldHeight, options.scale, showCommand);
  window.setPauseKeys(virtualKeysNamed(settings.controls.pause));
  if (options.fullscreen) window.toggleFullscreen();
  RasterCanvas canvas(kFieldWidth, kFieldHeight);
  World& world = session.world;
  world.rc = {0, 0, kFieldWidth, kFieldHeight};
  world.start();
  WaveOutSound sound(!options.mute, options.volume);
  runGame(session, window, canvas, logs.loop(), sound.output());
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  WinOptions options;
  if (const std::optional<int> status = parseWinOptions(__argc, __argv, options)) return *status;
  const Settings settings;  // what the player set: today's game until the settings file is read
  Win32ControlSource controls(settings.controls);
  Session session;
  World& world = session.world;
  world.input.setSource(&controls);
  world.controls = &settings.controls;
  world.recordReplays = true;  // every game goes into replays/ beside highscores.csv
  world.highscoreFile = highscoreLocationHere();
  try {
    LogFiles logs(options.frameLog, options.presentLog);
    if (options.gdi) return runGdiWindow(instance, showCommand, session, logs.loop().updates);
    return runScaledWindow(instance, showCommand, options, settings, session, logs);
  } catch (const std::exception& error) {
    MessageBoxA(nullptr, error.what(), "Kelvaron", MB_OK | MB_ICONERROR);
    return 1;
  }
}
