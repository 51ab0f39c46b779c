// The replay file: what is written reads back the same, and every kind of damage is refused with
// its own message, never a crash.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>

#include "replay/ReplayFile.h"
#include "support/ScratchDirectory.h"

namespace {

// 250 frames: two checkpoints, a clock change, a play field change, three control runs.
ReplayFile smallReplay() {
  ReplayFile r;
  r.startlevel = 5;
  r.end = ReplayEnd::gameover;
  r.keyXpressed = true;
  r.ranked = true;
  r.boxoffsety = 17;
  r.width = 794;
  r.height = 571;
  r.random = 0xDEADBEEF;
  r.clockstart = 1'700'000'000;
  r.frames = 250;
  r.controls = {{control::kButton1, 120}, {control::kUp | control::kButton2, 100}, {0, 30}};
  r.clock = {{1, 1'700'000'001}, {3, 1'699'999'990}};
  r.playfield = {{200, 794, 0}};
  Checkpoint c{5, 425000, -1, 0, 37, 396.5, -0.0, 400.0, 12.0, 123, 4, 2, 0x12345678};
  r.checkpoints = {c, c};
  r.checkpoints[1].bossx = std::nextafter(396.5, 400.0);
  r.final = c;
  r.final.score = 2'000'000'000;
  return r;
}

std::string decodeError(const std::string& bytes) {
  std::string error;
  EXPECT_FALSE(decodeReplay(bytes, error)) << "accepted";
  return error;
}

}  // namespace

TEST(ReplayFile, ReadsBackWhatWasWrittenBitForBit) {
  const std::string bytes = encodeReplay(smallReplay());
  std::string error;
  const auto replay = decodeReplay(bytes, error);
  ASSERT_TRUE(replay) << error;
  EXPECT_EQ(encodeReplay(*replay), bytes);
  EXPECT_EQ(replay->startlevel, 5);
  EXPECT_EQ(replay->clock[1].seconds, 1'699'999'990);
  EXPECT_EQ(replay->checkpoints[1].bossx, std::nextafter(396.5, 400.0));
  EXPECT_TRUE(std::signbit(replay->checkpoints[0].bossy));
  EXPECT_EQ(replay->final.score, 2'000'000'000);
  EXPECT_EQ(differingFields(replay->checkpoints[0], replay->checkpoints[1]),
            std::vector<std::string>{"boss x"});
}

TEST(ReplayFile, EveryFlippedByteAndEveryTruncationIsRefused) {
  const std::string bytes = encodeReplay(smallReplay());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    for (const unsigned char flip : {0x01, 0x80, 0xFF}) {
      std::string damaged = bytes;
      damaged[i] = static_cast<char>(damaged[i] ^ flip);
      std::string error;
      EXPECT_FALSE(decodeReplay(damaged, error)) << "byte " << i << " ^ " << int(flip);
      EXPECT_FALSE(error.empty());
    }
  }
  for (std::size_t length = 0; length < bytes.size(); ++length) {
    std::string error;
    EXPECT_FALSE(decodeReplay(bytes.substr(0, length), error)) << "length " << length;
    EXPECT_FALSE(error.empty());
  }
}

TEST(ReplayFile, EachKindOfDamageHasItsOwnMessage) {
  struct Case {
    const char* name;
    std::function<void(std::string&)> damage;
    const char* message;
  };
  const Case cases[] = {
      {"empty", [](std::string& b) { b.clear(); }, "the file is empty"},
      {"wrong magic", [](std::string& b) { b[0] = 'P'; }, "not a Kelvaron replay (wrong magic)"},
      {"unknown version", [](std::string& b) { b[8] = 2; },
       "unknown replay version 2 (this program reads version 1)"},
      {"short header", [](std::string& b) { b.resize(20); },
       "truncated: 20 bytes, shorter than a replay's header"},
      {"cut before the runs", [](std::string& b) { b.resize(34); },
       "truncated: the file ends inside the control runs"},
      {"cut in the checkpoints", [](std::string& b) { b.resize(b.size() - 60); },
       "truncated: the file ends before the 2 entries of the checkpoints"},
      {"checksum missing", [](std::string& b) { b.resize(b.size() - 4); },
       "truncated: the checksum is missing"},
      {"trailing garbage", [](std::string& b) { b += "junk"; },
       "4 bytes of trailing garbage after the checksum"},
      {"absurd count", [](std::string& b) { b.replace(34, 1, "\xff\xff\xff\x7f"); },
       "damaged: 268435455 entries in the control runs of a game of 250 frames"},
      {"runs not covering the frames", [](std::string& b) { b[30] = static_cast<char>(251); },
       "damaged: the control runs cover 250 frames, the header says 251"},
      {"bad checksum", [](std::string& b) { b.back() = static_cast<char>(b.back() ^ 0x10); },
       "damaged: checksum mismatch"},
  };
  std::set<std::string> messages;
  for (const Case& c : cases) {
    std::string bytes = encodeReplay(smallReplay());
    c.damage(bytes);
    const std::string error = decodeError(bytes);
    EXPECT_EQ(error.rfind(c.message, 0), 0u) << c.name << ": " << error;
    messages.insert(error);
  }
  EXPECT_EQ(messages.size(), std::size(cases));
}

TEST(ReplayFile, FilesThatCannotBeReadAreNamed) {
  ScratchDirectory scratch;
  const auto good = scratch.path() / "good.kvr";
  std::ofstream(good, std::ios::binary) << encodeReplay(smallReplay());
  std::string error;
  EXPECT_TRUE(loadReplay(good, error)) << error;
  std::ofstream(scratch.path() / "empty.kvr").close();
  const std::pair<std::filesystem::path, std::string> cases[] = {
      {scratch.path(), "is a directory, not a replay"},
      {scratch.path() / "missing.kvr", "cannot open: "},
      {scratch.path() / "empty.kvr", "the file is empty"},
  };
  for (const auto& [file, message] : cases) {
    EXPECT_FALSE(loadReplay(file, error));
    EXPECT_EQ(error.rfind(file.string() + ": " + message, 0), 0u) << error;
  }
}
