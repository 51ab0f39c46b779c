// Sound is output only: the whole recorded game, played with its sound collected, mixed and written
// and played silent, gives the same trace and the same replay, byte for byte; and the sound run
// heard the game's events.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "SimRunner.h"
#include "support/ScratchDirectory.h"

namespace fs = std::filesystem;

namespace {

std::string contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Plays the whole game in `dir`: its trace and its one replay.
std::pair<std::string, std::string> play(const fs::path& dir, bool sound) {
  const fs::path previous = fs::current_path();
  fs::create_directories(dir);
  fs::current_path(dir);
  std::ifstream in(fs::path(KELVARON_SIM_TEST_DATA) / "whole-game.input");
  std::string error;
  auto timeline = InputTimeline::parse(in, error);
  EXPECT_TRUE(timeline) << error;
  SimOptions options;
  options.frames = 14500;
  options.trace = "trace.jsonl";
  options.sound = sound;
  if (sound) {
    options.audio = "game.wav";
    options.cueLog = "cues.txt";
  }
  SimRunner runner(options, std::move(*timeline));
  EXPECT_TRUE(runner.run(error)) << error;
  const auto replay = fs::directory_iterator("replays");
  EXPECT_NE(replay, fs::directory_iterator());
  std::pair<std::string, std::string> result{contents("trace.jsonl"), contents(replay->path())};
  fs::current_path(previous);
  return result;
}

}  // namespace

TEST(SoundOnOff, TheWholeGameIsTheSameWithAndWithoutSound) {
#ifdef _WIN32
  GTEST_SKIP() << "the native build plays the whole game";
#endif
  ScratchDirectory scratch;
  const auto silent = play(scratch.path() / "silent", false);
  const auto heard = play(scratch.path() / "sound", true);
  EXPECT_TRUE(silent.first == heard.first) << "the traces differ";
  EXPECT_TRUE(silent.second == heard.second) << "the replays differ";

  std::set<std::string> cues;
  std::istringstream log(contents(scratch.path() / "sound" / "cues.txt"));
  for (std::string word; log >> word;) {
    if (!std::isdigit(static_cast<unsigned char>(word[0]))) cues.insert(word);
  }
  for (const char* cue : {"laser", "bossHit", "lifeBarColour", "blastSmall", "blastLarge",
                          "bossBlast", "bomb", "shipLost", "shipBack", "extraShip", "levelCleared",
                          "gameOver", "menuMove", "menuChoice", "volleyStar", "volleyLaser"}) {
    EXPECT_TRUE(cues.count(cue)) << cue << " never heard";
  }
  EXPECT_GT(fs::file_size(scratch.path() / "sound" / "game.wav"), 44u + 2u * 441u * 14000u);
}
