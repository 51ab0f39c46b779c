// The program's command line: every option, bad values and unknown options.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Options.h"

namespace {

struct Parsed {
  std::optional<int> status;
  Options options;
};

Parsed parse(std::vector<std::string> words, const Options& start = {}) {
  words.insert(words.begin(), "kelvaron");
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  Parsed parsed{std::nullopt, start};
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  parsed.status = parseOptions(static_cast<int>(argv.size()), argv.data(), parsed.options);
  testing::internal::GetCapturedStdout();
  testing::internal::GetCapturedStderr();
  return parsed;
}

}  // namespace

TEST(Options, EveryOptionIsReadAndBadOnesStopWithStatusTwo) {
  const Parsed none = parse({});
  EXPECT_FALSE(none.status);
  EXPECT_EQ(none.options.look.scale, 1);
  EXPECT_FALSE(none.options.look.smooth || none.options.look.fullscreen);
  EXPECT_TRUE(none.options.look.vsync);

  EXPECT_FALSE(none.options.mute);
  EXPECT_EQ(none.options.volume, 100);

  const Parsed all =
      parse({"--scale", "3", "--smooth", "--fullscreen", "--no-vsync", "--frame-log", "f.log",
             "--present-log", "p.log", "--mute", "--volume", "40", "--data-dir", "d"});
  EXPECT_FALSE(all.status);
  EXPECT_EQ(all.options.look.scale, 3);
  EXPECT_TRUE(all.options.look.smooth && all.options.look.fullscreen);
  EXPECT_FALSE(all.options.look.vsync);
  EXPECT_EQ(all.options.frameLog, "f.log");
  EXPECT_EQ(all.options.presentLog, "p.log");
  EXPECT_TRUE(all.options.mute);
  EXPECT_EQ(all.options.volume, 40);
  EXPECT_EQ(all.options.dataDir, "d");

  // The settings file starts the options; what the command line gives counts over it.
  Settings settings;
  settings.display = {2, true, true, false, true};
  settings.sound.volume = 30;
  const Parsed fromFile = parse({"--volume", "60"}, optionsFrom(settings));
  EXPECT_EQ(fromFile.options.look.scale, 2);
  EXPECT_TRUE(fromFile.options.look.smooth && fromFile.options.look.fullscreen);
  EXPECT_FALSE(fromFile.options.look.vsync);
  EXPECT_EQ(fromFile.options.volume, 60);

  const std::vector<std::vector<std::string>> stopAtOnce[] = {
      {{"--help"}, {"--version"}},  // status 0
      {{"--scale", "0"},
       {"--scale", "5"},
       {"--scale", "two"},
       {"--scale"},
       {"--frame-log"},
       {"--present-log"},
       {"--volume", "101"},
       {"--volume", "-1"},
       {"--bogus"},
       {"extra"}},  // status 2
  };
  for (int status : {0, 2}) {
    for (const auto& words : stopAtOnce[status / 2]) {
      EXPECT_EQ(parse(words).status, status) << words[0] << " " << words.back();
    }
  }
}

TEST(Options, ABadValueGivesOneLineAndTheUsage) {
  std::vector<std::string> words = {"kelvaron", "--scale", "9"};
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  Options options;
  testing::internal::CaptureStderr();
  parseOptions(3, argv.data(), options);
  const std::string message = testing::internal::GetCapturedStderr();
  EXPECT_EQ(message.rfind("kelvaron: --scale", 0), 0u) << message;
  EXPECT_NE(message.find("Usage: kelvaron"), std::string::npos);
}
