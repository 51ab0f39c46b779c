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
#include "SettingsHere.h"
#include "WaveOutSound.h"
#include "Win32ControlSource.h"
#include "Win32KeyNames.h"
#include "WinOptions.h"
#include "game/PlayField.h"
#include "settings/KeyBindings.h"
#include "settings/Settings.h"
#include "shell/Session.h"

namespace {

// `stored` is the settings file; `options` the settings for this run, the command line over it.
int runScaledWindow(HINSTANCE instance, int showCommand, const WinOptions& options,
                    const Settings::Controls& controls, StoredSettings& stored, Session& session,
                    LogFiles& logs) {
  ScaledWindow window(instance, kFieldWidth, kFieldHeight, options.scale, showCommand);
  window.setPauseKeys(virtualKeysNamed(controls.pause));
  if (options.fullscreen) window.toggleFullscreen();
  window.onFullscreenSwitched([&stored](bool on) {
    stored.change([on](Settings& settings) { settings.display.fullscreen = on; });
  });
  RasterCanvas canvas(kFieldWidth, kFieldHeight);
  World& world = session.world;
  world.rc = {0, 0, kFieldWidth, kFieldHeight};
  world.start();
  WaveOutSound sound(
      !options.mute && stored.settings().sound.on, options.volume,
      [&stored](bool on) { stored.change([on](Settings& settings) { settings.sound.on = on; }); });
  runGame(session, window, canvas, logs.loop(), sound.output(), stored.notice());
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  StoredSettings stored = loadSettingsHere();
  WinOptions options = winOptionsFrom(stored.settings());
  if (const std::optional<int> status = parseWinOptions(__argc, __argv, options)) return *status;
  // A clash in the file's bindings leaves today's keys, and the file as the player wrote it.
  const Settings::Controls controls = playableControls(stored.settings().controls);
  Win32ControlSource keys(controls);
  Session session;
  World& world = session.world;
  world.input.setSource(&keys);
  world.controls = &controls;
  world.recordReplays = true;  // every game goes into replays/ beside highscores.csv
  world.highscoreFile = highscoreLocationHere(options.dataDir);
  try {
    LogFiles logs(options.frameLog, options.presentLog);
    if (options.gdi) return runGdiWindow(instance, showCommand, session, logs.loop().updates);
    return runScaledWindow(instance, showCommand, options, controls, stored, session, logs);
  } catch (const std::exception& error) {
    MessageBoxA(nullptr, error.what(), "Kelvaron", MB_OK | MB_ICONERROR);
    return 1;
  }
}
