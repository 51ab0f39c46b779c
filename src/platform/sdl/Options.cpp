#include "Options.h"

#include <CLI/CLI.hpp>

std::optional<int> parseOptions(int argc, char** argv, Options& options) {
  CLI::App app{
      "Kelvaron: a boss-rush shoot-'em-up drawn with vector shapes.\n"
      "Arrow keys move, Z fires and confirms, X sets off a bomb, Space leaves a result "
      "screen.\nHighscores are kept in highscores.csv in the working directory."};
  app.name("kelvaron");
  app.add_option(
         "--frame-log", options.frameLog,
         "Write one line per frame to FILE: its start on the steady clock and how long it took, "
         "in microseconds")
      ->option_text("FILE");
  app.add_option("--replay", options.replay,
                 "Show the recorded game in FILE at normal speed, then exit; Escape ends it early. "
                 "Games played are recorded into replays/ beside highscores.csv")
      ->option_text("FILE");
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    return app.exit(error);
  }
  return std::nullopt;
}
