// A scripted game recorded by the runner and played back with a changed rule: the change is caught
// at the first checkpoint after it. (The golden replays and the game's own recording test show a
// recorded game playing back exactly.)
#include <gtest/gtest.h>

#include <sstream>

#include "SimRunner.h"
#include "support/ScratchDirectory.h"

namespace fs = std::filesystem;

namespace {

// "New Game", then sit under the level-1 boss firing: it wins level 1 with ships to spare. Level 2
// is sat out without firing, which loses the ships; Space leaves the game-over screen. The window
// is behind another for a while in level 1.
constexpr const char* kGame = "0 z\n1500 space\n1502 -\n1900 space\n1902 -\n";

class ReplayRun : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::current_path(scratch.path());
    SimOptions options;
    options.frames = 2000;
    options.unfocusedFrom = 200;
    options.unfocusedTo = 260;
    std::istringstream script(kGame);
    std::string error;
    recording = std::make_unique<SimRunner>(options, *InputTimeline::parse(script, error));
    ASSERT_TRUE(recording->run(error)) << error;
    const auto files = fs::directory_iterator("replays");
    ASSERT_NE(files, fs::directory_iterator());
    file = files->path();
  }
  void TearDown() override { fs::current_path(previous); }

  std::unique_ptr<SimRunner> playBack(SimOptions options = {}) {
    std::string error;
    auto replay = loadReplay(file, error);
    EXPECT_TRUE(replay) << error;
    auto runner = std::make_unique<SimRunner>(options, std::move(*replay));
    EXPECT_TRUE(runner->run(error)) << error;
    return runner;
  }

  ScratchDirectory scratch;
  fs::path previous = fs::current_path();
  std::unique_ptr<SimRunner> recording;
  fs::path file;
};

}  // namespace

TEST_F(ReplayRun, AChangedRuleIsFoundAtTheFirstCheckpointAfterIt) {
  struct Case {
    std::int64_t nudgedAfter;  // frames are counted from 0
    std::uint32_t frame;
    bool final;
  };
  for (const Case c : {Case{0, 100, false}, Case{1234, 1300, false}, Case{1899, 1900, false}}) {
    SimOptions options;
    options.nudgeScoreAfter = c.nudgedAfter;
    const auto desync = playBack(options)->desync();
    ASSERT_TRUE(desync) << c.nudgedAfter;
    EXPECT_EQ(desync->frame, c.frame);
    EXPECT_EQ(desync->final, c.final);
    EXPECT_EQ(desync->fields, std::vector<std::string>{"score"});
  }
}
