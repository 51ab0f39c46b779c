// kelvaron-sim: runs the game headless for a number of frames with a scripted input, a virtual
// clock and a software canvas, and reports the state, for tests, replays and screenshots.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <fstream>
#include <iostream>

#include "InputTimeline.h"
#include "SimRunner.h"
#include "StateJson.h"

namespace {

bool parseRange(const std::string& text, SimOptions& options) {
  const auto dash = text.find('-', 1);
  if (dash == std::string::npos) return false;
  try {
    std::size_t used = 0;
    options.unfocusedFrom = std::stoll(text.substr(0, dash), &used);
    if (used != dash) return false;
    const std::string to = text.substr(dash + 1);
    options.unfocusedTo = std::stoll(to, &used);
    return used == to.size() && options.unfocusedTo >= *options.unfocusedFrom;
  } catch (const std::exception&) {
    return false;
  }
}

std::optional<InputTimeline> loadTimeline(const SimOptions& options, std::string& error) {
  if (options.input.empty()) {
    std::istringstream nothing;
    return InputTimeline::parse(nothing, error);
  }
  std::ifstream in(options.input);
  if (!in) {
    error = "cannot read input file " + options.input.string();
    return std::nullopt;
  }
  return InputTimeline::parse(in, error);
}

bool writeState(const SimRunner& runner, const std::string& target, std::string& error) {
  const std::string text = stateJson(runner.world(), runner.framesRun(), runner.running()).dump(2);
  if (target == "-") {
    std::cout << text << '\n';
    return true;
  }
  std::ofstream out(target);
  out << text << '\n';
  if (!out) error = "cannot write state file " + target;
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Runs Kelvaron headless, frame by frame, with a scripted input."};
  SimOptions options;
  std::string unfocused;
  app.add_option("--frames", options.frames, "Frames to run")
      ->required()
      ->check(CLI::NonNegativeNumber);
  app.add_option("--input", options.input, "Input timeline: lines 'FRAME CONTROLS'");
  app.add_option("--unfocused", unfocused, "Frames FROM-TO run without the window in front");
  app.add_option("--clock-start", options.clockStart, "Seconds since 1970 at frame 0");
  app.add_option("--workdir", options.workdir, "Directory holding highscores.csv");
  app.add_option("--png", options.png, "Write the last frame as PNG");
  app.add_option("--png-every", options.pngEvery, "Write every K-th frame")
      ->check(CLI::PositiveNumber);
  app.add_option("--png-dir", options.pngDir, "Directory for --png-every frames");
  app.add_option("--state", options.state, "Write the final state as JSON (- for stdout)");
  app.add_option("--trace", options.trace, "Write the state after every frame, one JSON line each");
  app.add_option("--start-level", options.startLevel, "Start a new game at this level (1-5)")
      ->check(CLI::Range(1, 5));
  app.add_flag("--invincible", options.invincible, "Losing the ship is ignored");
  app.add_flag("--autopilot", options.autopilot,
               "The autopilot plays, seeing only what is on screen (instead of --input)");
  app.add_option("--seed", options.seed, "Varies the autopilot's choices");
  app.add_option("--noise", options.noise,
                 "Chance per frame of random controls instead of the autopilot's (0 to 1)")
      ->check(CLI::Range(0.0, 1.0));
  app.add_flag("--until-end", options.untilEnd, "Stop once the level is won or the game is lost");
  app.add_option("--memory-log", options.memoryLog,
                 "Every 1,000 frames write: frame, live sprites, resident kB");
  app.add_option("--profile", options.profile,
                 "Write one line per frame: update and drawing time in nanoseconds");
  CLI11_PARSE(app, argc, argv);

  if (!unfocused.empty() && !parseRange(unfocused, options)) {
    std::cerr << "kelvaron-sim: --unfocused wants FROM-TO, e.g. 100-250\n";
    return 2;
  }
  if (options.pngEvery > 0 && options.pngDir.empty()) {
    std::cerr << "kelvaron-sim: --png-every needs --png-dir\n";
    return 2;
  }
  std::string error;
  auto timeline = loadTimeline(options, error);
  if (!timeline) {
    std::cerr << "kelvaron-sim: " << error << '\n';
    return 2;
  }
  if (!options.workdir.empty()) {
    std::error_code ec;
    std::filesystem::current_path(options.workdir, ec);
    if (ec) {
      std::cerr << "kelvaron-sim: cannot enter " << options.workdir.string() << ": " << ec.message()
                << '\n';
      return 2;
    }
  }
  SimRunner runner(options, std::move(*timeline));
  if (!runner.run(error) || (!options.state.empty() && !writeState(runner, options.state, error))) {
    std::cerr << "kelvaron-sim: " << error << '\n';
    return 1;
  }
  return 0;
}
