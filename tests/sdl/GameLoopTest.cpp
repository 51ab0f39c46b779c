// The frame loop on SDL's dummy video driver: a window without a display, and so without the
// keyboard focus.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "FrameLog.h"
#include "GameLoop.h"
#include "GameWindow.h"
#include "LoopEvents.h"
#include "RasterCanvas.h"
#include "SdlSystem.h"
#include "shell/Session.h"
#include "support/HeldKeys.h"
#include "support/ScratchDirectory.h"

TEST(FrameLoop, RunsWithoutTheFocusWithControlsReleasedAndSavesTheTableAtTheCloseBox) {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  const ScratchDirectory scratch;
  const auto& dir = scratch.path();
  Session session;
  World& world = session.world;
  world.highscoreFile = dir / "highscores.csv";
  // Out of order and with Windows line ends: a saved table comes back sorted, with plain ones.
  std::ofstream(world.highscoreFile, std::ios::binary)
      << "500,1,1600000000\r\n7000,2,1700000000\r\n";
  world.start();
  // Z held: on the title with "Quit" selected, a frame with the focus would end the program.
  HeldKeys controls;
  controls.held = {Key::Z};
  world.input.setSource(&controls);
  world.selected = 2;
  {
    SdlSystem sdl;
    GameWindow window("Kelvaron", 794, 571);
    RasterCanvas canvas(794, 571);
    ASSERT_FALSE(window.hasFocus());
    const auto closeBox = [](Uint32, void*) -> Uint32 {
      SDL_Event quit{};
      quit.type = SDL_QUIT;
      SDL_PushEvent(&quit);
      return 0;
    };
    SDL_AddTimer(100, closeBox, nullptr);
    FrameLog log((dir / "frames.log").string());
    runFrames(session, window, canvas, {.logs = {.updates = &log}});
  }
  EXPECT_NE(readFile(dir / "frames.log"), "");  // frames ran
  EXPECT_FALSE(world.windowDestroyed());        // the held Z did not pick "Quit"
  EXPECT_FALSE(world.windowfront);
  EXPECT_EQ(readFile(world.highscoreFile), "7000,2,1700000000\n500,1,1600000000\n");
}

TEST(FrameLoop, PausesOnTheBoundKeysOrTheControllersPauseButton) {
  const auto key = [](SDL_Keycode code, Uint8 repeat = 0) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = code;
    event.key.repeat = repeat;
    return event;
  };
  const auto button = [](Uint32 type, Uint8 which) {
    SDL_Event event{};
    event.type = type;
    event.cbutton.button = which;
    return event;
  };
  SDL_Event released = key(SDLK_p);
  released.type = SDL_KEYUP;
  const SdlBindings today = sdlBindings({}, {});
  Settings::Controls controls;
  controls.pause = {"F5", "Q"};
  Settings::Gamepad gamepad;
  gamepad.pause = "Start";
  gamepad.leave = "Back";
  const SdlBindings rebound = sdlBindings(controls, gamepad);
  const struct {
    SDL_Event event;
    bool pausesToday, pausesRebound;
  } cases[] = {
      {key(SDLK_p), true, false},
      {key(SDLK_ESCAPE), true, false},
      {key(SDLK_p, 1), false, false},  // held: the repeats must not toggle it back and forth
      {released, false, false},
      {key(SDLK_SPACE), false, false},
      {key(SDLK_q), false, true},
      {key(SDLK_F5), false, true},
      {button(SDL_CONTROLLERBUTTONDOWN, SDL_CONTROLLER_BUTTON_BACK), true, false},
      {button(SDL_CONTROLLERBUTTONUP, SDL_CONTROLLER_BUTTON_BACK), false, false},
      {button(SDL_CONTROLLERBUTTONDOWN, SDL_CONTROLLER_BUTTON_START), false, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(pausePressed(c.event, today), c.pausesToday) << "case " << &c - cases;
    EXPECT_EQ(pausePressed(c.event, rebound), c.pausesRebound) << "case " << &c - cases;
  }
}
