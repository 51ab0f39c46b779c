// The frame loop on SDL's dummy video driver: a window without a display.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "FrameLog.h"
#include "GameLoop.h"
#include "GameWindow.h"
#include "RasterCanvas.h"
#include "SdlSystem.h"
#include "game/World.h"

namespace {

constexpr int kWidth = 794;
constexpr int kHeight = 571;

// Z held and nothing else: on the title with "Quit" selected, a frame with the focus would end the
// program.
class ZHeld final : public ControlSource {
 public:
  bool keyHeld(Key key) const override { return key == Key::Z; }
  int joystickDeviceCount() const override { return 0; }
  std::optional<JoystickReading> readJoystick(int) const override { return std::nullopt; }
};

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

int countLines(const std::string& text) {
  int lines = 0;
  for (char c : text) lines += c == '\n';
  return lines;
}

class FrameLoop : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    dir_ = std::filesystem::temp_directory_path() /
           ("kelvaron-loop-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
    world_.highscoreFile = dir_ / "highscores.csv";
    // Out of order and with Windows line ends: a saved table comes back sorted, with plain ones.
    std::ofstream(world_.highscoreFile, std::ios::binary) << "500,1,1600000000\r\n"
                                                          << "7000,2,1700000000\r\n";
    world_.start();
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string savedTable() const { return readFile(world_.highscoreFile); }

  std::filesystem::path dir_;
  World world_;
};

constexpr const char* kSavedTable = "7000,2,1700000000\n500,1,1600000000\n";

}  // namespace

TEST_F(FrameLoop, TheCloseBoxEndsTheLoopAndSavesTheTable) {
  SdlSystem sdl;
  GameWindow window("Kelvaron", kWidth, kHeight);
  RasterCanvas canvas(kWidth, kHeight);
  FrameLog log((dir_ / "frames.log").string());
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  ASSERT_EQ(SDL_PushEvent(&quit), 1) << SDL_GetError();

  runFrames(world_, window, canvas, &log);

  EXPECT_EQ(savedTable(), kSavedTable);
  EXPECT_EQ(countLines(readFile(dir_ / "frames.log")), 0);  // closed before any frame ran
}

TEST_F(FrameLoop, FramesRunWithoutTheFocusButTheControlsReadAsReleased) {
  // The dummy driver's window never has the keyboard focus, so the held Z must not pick "Quit".
  SdlSystem sdl;
  GameWindow window("Kelvaron", kWidth, kHeight);
  RasterCanvas canvas(kWidth, kHeight);
  ZHeld controls;
  world_.input.setSource(&controls);
  world_.selected = 2;
  ASSERT_FALSE(window.hasFocus());
  SDL_AddTimer(
      100,
      [](Uint32, void*) -> Uint32 {
        SDL_Event quit{};
        quit.type = SDL_QUIT;
        SDL_PushEvent(&quit);
        return 0;
      },
      nullptr);
  {
    FrameLog log((dir_ / "frames.log").string());
    runFrames(world_, window, canvas, &log);
  }
  EXPECT_GT(countLines(readFile(dir_ / "frames.log")), 0);
  EXPECT_FALSE(world_.windowDestroyed());
  EXPECT_FALSE(world_.windowfront);
  EXPECT_EQ(savedTable(), kSavedTable);
}
