#include "Options.h"

#include <CLI/CLI.hpp>
#include <iostream>

#include "ProgramOptions.h"

#ifndef KELVARON_VERSION
#define KELVARON_VERSION "unknown"
#endif

namespace {

constexpr int kBadCommandLine = 2;

}  // namespace

Options optionsFrom(const Settings& settings) {
  Options options;
  options.look.scale = settings.display.scale;
  options.look.smooth = settings.display.smooth;
  options.look.fullscreen = settings.display.fullscreen;
  options.look.vsync = settings.display.vsync;
  options.volume = settings.sound.volume;
  return options;
}

std::optional<int> parseOptions(int argc, char** argv, Options& options) {
  CLI::App app{
      "Kelvaron: a boss-rush shoot-'em-up drawn with vector shapes.\n"
      "Arrow keys move, Z fires and confirms, X sets off a bomb, Space leaves a result screen,\n"
      "P or Escape pauses a fight. A game controller works too (Back pauses). F11 or Alt+Enter\n"
      "switches fullscreen. M turns the sound off and on.\n"
      "Highscores are kept in highscores.csv in the working directory (in "
      "~/.local/share/kelvaron/\nfor the installed game or when that cannot be written). Settings "
      "are kept in\n~/.config/kelvaron/settings.toml; the options below change them for one run."};
  app.name("kelvaron");
  app.set_version_flag("--version", std::string("kelvaron ") + KELVARON_VERSION);
  app.add_option("--scale", options.look.scale, "Start with the window N times the game's size")
      ->option_text("N (1 to 4)")
      ->check(CLI::Range(1, 4));
  app.add_flag("--smooth", options.look.smooth,
               "Scale the picture with linear filtering instead of crisp pixels");
  app.add_flag("--fullscreen", options.look.fullscreen, "Start in desktop fullscreen");
  bool noVsync = !options.look.vsync;
  app.add_flag("--no-vsync", noVsync,
               "Do not wait for the display: one present per game update, 100 a second (the "
               "picture may tear)");
  app.add_option("--replay", options.replay,
                 "Show the recorded game in FILE at normal speed, then exit; Escape ends it early. "
                 "Games played are recorded into replays/ beside highscores.csv")
      ->option_text("FILE");
  addDataDirOption(app, options.dataDir);
  addLogAndSoundOptions(app, options.frameLog, options.presentLog, options.mute, options.volume);
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& help) {
    return app.exit(help);
  } catch (const CLI::CallForVersion& version) {
    return app.exit(version);
  } catch (const CLI::ParseError& error) {
    std::cerr << "kelvaron: " << error.what() << "\n\n" << app.help();
    return kBadCommandLine;
  }
  options.look.vsync = !noVsync;
  return std::nullopt;
}
