#include "WinOptions.h"

#include <windows.h>

#include <CLI/CLI.hpp>

#include "ProgramOptions.h"

#ifndef KELVARON_VERSION
#define KELVARON_VERSION "unknown"
#endif

namespace {

constexpr int kBadCommandLine = 2;

int show(const std::string& text, UINT icon, int status) {
  MessageBoxA(nullptr, text.c_str(), "Kelvaron", MB_OK | icon);
  return status;
}

}  // namespace

WinOptions winOptionsFrom(const Settings& settings) {
  WinOptions options;
  options.scale = settings.display.scale;
  options.fullscreen = settings.display.fullscreen;
  options.volume = settings.sound.volume;
  return options;
}

std::optional<int> parseWinOptions(int argc, char** argv, WinOptions& options) {
  // No line breaks within a paragraph: the message box wraps the lines to its own width.
  CLI::App app{
      "Kelvaron: a boss-rush shoot-'em-up drawn with vector shapes.\n"
      "Arrow keys move, Z fires and confirms, X sets off a bomb, Space leaves a result screen, "
      "P or Escape pauses a fight. F11 or Alt+Enter switches fullscreen. M turns the sound off "
      "and on.\n"
      "Highscores and replays are kept beside kelvaron.exe (in %APPDATA%\\Kelvaron when that "
      "folder cannot be written). Settings are kept in %APPDATA%\\Kelvaron\\settings.toml; the "
      "options below change them for one run.\n"};
  app.name("kelvaron");
  app.set_version_flag("--version", std::string("kelvaron ") + KELVARON_VERSION);
  app.add_option("--scale", options.scale,
                 "Start with the window N times the game's size (times the screen's scale)")
      ->option_text("N (1 to 4)")
      ->check(CLI::Range(1, 4));
  app.add_flag("--fullscreen", options.fullscreen, "Start in borderless fullscreen");
  app.add_flag("--gdi", options.gdi,
               "The original program: a fixed 800 x 600 window, one frame per 10 ms timer tick, "
               "drawn with GDI");
  addDataDirOption(app, options.dataDir);
  addLogAndSoundOptions(app, options.frameLog, options.presentLog, options.mute, options.volume);
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    return show(app.help(), MB_ICONINFORMATION, 0);
  } catch (const CLI::CallForVersion&) {
    return show(app.version(), MB_ICONINFORMATION, 0);
  } catch (const CLI::ParseError& error) {
    return show(std::string(error.what()) + "\n\n" + app.help(), MB_ICONERROR, kBadCommandLine);
  }
  return std::nullopt;
}
