// kelvaron-sim: runs the game headless for a number of frames with a scripted input, a virtual
// clock and a software canvas, and reports the state, for tests, replays and screenshots; or plays
// a recorded replay back and verifies it.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

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
  // A folder opens as a stream on some systems and reads as empty: refuse it by name.
  if (std::filesystem::is_directory(options.input)) {
    error = "input file " + options.input.string() + " is a directory";
    return std::nullopt;
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

bool enterWorkdir(const SimOptions& options) {
  if (options.workdir.empty()) return true;
  std::error_code ec;
  std::filesystem::current_path(options.workdir, ec);
  if (!ec) return true;
  std::cerr << "kelvaron-sim: cannot enter " << options.workdir.string() << ": " << ec.message()
            << '\n';
  return false;
}

bool finish(SimRunner& runner, const SimOptions& options, std::string& error) {
  return runner.run(error) && (options.state.empty() || writeState(runner, options.state, error));
}

// The checkpoints a replay holds, one line each, for comparing two recordings of a game.
bool writeCheckpoints(const ReplayFile& replay, const std::string& target, std::string& error) {
  std::ostringstream text;
  for (std::size_t i = 0; i < replay.checkpoints.size(); ++i) {
    text << "frame " << (i + 1) * ReplayFile::kCheckpointEvery << ": "
         << describeCheckpoint(replay.checkpoints[i]) << '\n';
  }
  text << "final, frame " << replay.frames << ": " << describeCheckpoint(replay.final) << '\n';
  if (target == "-") {
    std::cout << text.str();
    return true;
  }
  std::ofstream out(target);
  out << text.str();
  if (!out) error = "cannot write checkpoints file " + target;
  return static_cast<bool>(out);
}

// Exit 0 when every checkpoint matched, 1 at a desync, 2 when the file cannot be read.
int playBack(const std::filesystem::path& file, const SimOptions& options,
             const std::string& checkpoints) {
  std::string error;
  auto replay = loadReplay(file, error);
  if (!replay || (!checkpoints.empty() && !writeCheckpoints(*replay, checkpoints, error))) {
    std::cerr << "kelvaron-sim: " << error << '\n';
    return 2;
  }
  if (!enterWorkdir(options)) return 2;
  SimRunner runner(options, std::move(*replay));
  if (!finish(runner, options, error)) {
    std::cerr << "kelvaron-sim: " << error << '\n';
    return 1;
  }
  if (const auto desync = runner.desync()) {
    std::cerr << "kelvaron-sim: " << file.string() << ": " << desync->describe() << '\n';
    return 1;
  }
  char digest[24];
  std::snprintf(digest, sizeof digest, "%016llx",
                static_cast<unsigned long long>(runner.pictureDigest()));
  std::cerr << "kelvaron-sim: " << file.string() << ": " << runner.framesRun()
            << " frames verified, final score " << runner.world().score << ", pictures " << digest
            << '\n';
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Runs Kelvaron headless, frame by frame, with a scripted input."};
  app.set_version_flag("--version", std::string("kelvaron-sim ") + KELVARON_VERSION);
  SimOptions options;
  std::string unfocused;
  std::filesystem::path replay;
  std::int64_t nudge = -1;
  std::string checkpoints;
  auto* frames = app.add_option("--frames", options.frames, "Frames to run (not with --replay)")
                     ->check(CLI::NonNegativeNumber);
  auto* replayOption = app.add_option(
      "--replay", replay,
      "Play a recorded game back and verify it: exit 0 when it matches, 1 at a desync, 2 when the "
      "file cannot be read");
  replayOption->excludes(frames);
  app.add_option("--checkpoints", checkpoints,
                 "With --replay: write the checkpoints it holds, one line each (- for stdout)")
      ->needs(replayOption);
  const auto scriptOnly = [&](CLI::Option* option) { option->excludes(replayOption); };
  scriptOnly(app.add_option("--input", options.input, "Input timeline: lines 'FRAME CONTROLS'"));
  scriptOnly(
      app.add_option("--unfocused", unfocused, "Frames FROM-TO run without the window in front"));
  scriptOnly(app.add_option("--clock-start", options.clockStart, "Seconds since 1970 at frame 0"));
  app.add_option("--workdir", options.workdir, "Directory holding highscores.csv");
  app.add_option("--png", options.png, "Write the last frame as PNG");
  app.add_option("--png-every", options.pngEvery, "Write every K-th frame")
      ->check(CLI::PositiveNumber);
  app.add_option("--png-dir", options.pngDir, "Directory for --png-every frames");
  app.add_option("--state", options.state, "Write the final state as JSON (- for stdout)");
  app.add_option("--trace", options.trace, "Write the state after every frame, one JSON line each");
  scriptOnly(
      app.add_option("--start-level", options.startLevel, "Start a new game at this level (1-5)")
          ->check(CLI::Range(1, 5)));
  scriptOnly(app.add_flag("--invincible", options.invincible, "Losing the ship is ignored"));
  bool noReplays = false;
  scriptOnly(app.add_flag("--no-replays", noReplays,
                          "Record no replay of the game played (replays/ in the work directory)"));
  app.add_option(
         "--test-nudge-score", nudge,
         "Test aid: add one point to the score after frame N, so a replay no longer matches")
      ->group("");
  scriptOnly(
      app.add_flag("--autopilot", options.autopilot,
                   "The autopilot plays, seeing only what is on screen (instead of --input)"));
  scriptOnly(app.add_option("--seed", options.seed, "Varies the autopilot's choices"));
  scriptOnly(
      app.add_option("--noise", options.noise,
                     "Chance per frame of random controls instead of the autopilot's (0 to 1)")
          ->check(CLI::Range(0.0, 1.0)));
  app.add_flag("--until-end", options.untilEnd, "Stop once the level is won or the game is lost");
  app.add_option("--memory-log", options.memoryLog,
                 "Every 1,000 frames write: frame, live sprites, resident kB");
  app.add_option("--profile", options.profile,
                 "Write one line per frame: update and drawing time in nanoseconds");
  app.add_option("--audio", options.audio,
                 "Write the run's sound as a WAV file (mono, 16-bit, 44.1 kHz)");
  app.add_option("--cue-log", options.cueLog,
                 "Write one line per frame with sound cues: the frame, then the cues' names");
  bool mute = false;
  app.add_flag("--mute", mute, "Collect no sound cues: the game as it was without sound");
  app.add_option("--record-input", options.recordInput,
                 "Write the controls held (e.g. the autopilot's) as an input file for --input");
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    // --help and --version end well; every other mistake on the command line is status 2.
    return app.exit(e) == 0 ? 0 : 2;
  }
  options.recordReplays = !noReplays;
  options.sound = !mute;
  if (nudge >= 0) options.nudgeScoreAfter = nudge;

  if (!unfocused.empty() && !parseRange(unfocused, options)) {
    std::cerr << "kelvaron-sim: --unfocused wants FROM-TO, e.g. 100-250\n";
    return 2;
  }
  if (options.pngEvery > 0 && options.pngDir.empty()) {
    std::cerr << "kelvaron-sim: --png-every needs --png-dir\n";
    return 2;
  }
  if (!replay.empty()) return playBack(replay, options, checkpoints);
  if (frames->count() == 0) {
    std::cerr << "kelvaron-sim: --frames or --replay is required\n";
    return 2;
  }
  std::string error;
  auto timeline = loadTimeline(options, error);
  if (!timeline) {
    std::cerr << "kelvaron-sim: " << error << '\n';
    return 2;
  }
  if (!enterWorkdir(options)) return 2;
  SimRunner runner(options, std::move(*timeline));
  if (!finish(runner, options, error)) {
    std::cerr << "kelvaron-sim: " << error << '\n';
    return 1;
  }
  return 0;
}
