#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

// What one headless run does; the command line of kelvaron-sim fills it.
struct SimOptions {
  std::int64_t frames = 0;
  std::filesystem::path input;                // empty: nothing is ever held
  std::optional<std::int64_t> unfocusedFrom;  // frames FROM..TO (inclusive) run without focus
  std::int64_t unfocusedTo = -1;
  std::int64_t clockStart = 1'700'000'000;
  std::filesystem::path workdir;  // empty: the current directory
  std::filesystem::path png;      // the last frame
  int pngEvery = 0;               // every K-th frame into pngDir
  std::filesystem::path pngDir;
  std::string state;            // JSON state after the last frame: a file, or "-" for stdout
  std::filesystem::path trace;  // one JSON state a line after every frame
  int startLevel = 0;           // 0: start on the title screen
  bool invincible = false;
  bool autopilot = false;  // the autopilot holds the controls instead of the input file
  std::uint32_t seed = 0;  // varies the autopilot's choices
  double noise = 0.0;      // chance per frame of random controls instead of the autopilot's
  bool untilEnd = false;   // stop once the level is won or the game is lost
  std::filesystem::path memoryLog;    // every 1,000 frames: frame, live sprites, resident kB
  std::filesystem::path profile;      // per frame: update and drawing times, in nanoseconds
  std::filesystem::path recordInput;  // the controls held, as an input file for --input
  std::filesystem::path audio;        // the run's sound as a WAV file
  std::filesystem::path cueLog;  // one line per frame with sound cues: the frame, then the cues
  bool sound = true;             // false: no sound cues are collected (the silent game)
  bool recordReplays = true;     // a scripted game is recorded into replays/ like the game does
  // Test aid: one point added to the score after this frame, so that a replay no longer matches.
  std::optional<std::int64_t> nudgeScoreAfter;
};
