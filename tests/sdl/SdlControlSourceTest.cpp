// Reads joysticks through SDL's virtual joystick driver, so no device is needed.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <set>

#include "SdlControlSource.h"

namespace {

class SdlJoystickSource : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
    device_ = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 3, 6, 0);
    stick_ = SDL_JoystickOpen(device_);
    ASSERT_NE(stick_, nullptr) << SDL_GetError();
    source_.emplace(sdlBindings({}, {}));
  }
  void TearDown() override {
    source_.reset();
    if (stick_) SDL_JoystickClose(stick_);
    SDL_JoystickDetachVirtual(device_);  // fails harmlessly when a test has unplugged it
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
  }
  // Puts the three axes and the six buttons where given.
  void set(Sint16 x, Sint16 y, Sint16 z, const std::set<int>& buttonsDown = {}) {
    SDL_JoystickSetVirtualAxis(stick_, 0, x);
    SDL_JoystickSetVirtualAxis(stick_, 1, y);
    SDL_JoystickSetVirtualAxis(stick_, 2, z);
    for (int b = 0; b < 6; ++b)
      SDL_JoystickSetVirtualButton(stick_, b, buttonsDown.count(b) ? SDL_PRESSED : SDL_RELEASED);
    SDL_JoystickUpdate();
  }

  // x, y, z and the button mask as the source reads them; nothing when it does not answer.
  using Reading = std::array<unsigned, 4>;
  std::optional<Reading> read() const {
    const auto r = source_->readJoystick(device_);
    if (!r) return std::nullopt;
    return Reading{r->x, r->y, r->z, r->buttons};
  }

  int device_ = -1;
  SDL_Joystick* stick_ = nullptr;
  std::optional<SdlControlSource> source_;  // made once the virtual joystick is attached
};

}  // namespace

TEST_F(SdlJoystickSource, ShiftsTheAxesOntoTheGamesScaleAndMasksTheFirstFourButtons) {
  set(-32768, 32767, 0, {0, 3, 4});  // a fifth button is no control of the game
  EXPECT_EQ(read(), (Reading{0, 65535, 32768, 0b1001}));
  set(0, -1, 1, {1});
  EXPECT_EQ(read(), (Reading{32768, 32767, 32769, 0b0010}));
}

TEST_F(SdlJoystickSource, AnswersOnlyForJoysticksPresentAndPluggedIn) {
  EXPECT_EQ(source_->joystickDeviceCount(), SDL_NumJoysticks());
  EXPECT_FALSE(source_->readJoystick(-1).has_value());
  EXPECT_FALSE(source_->readJoystick(SDL_NumJoysticks()).has_value());
  ASSERT_NE(read(), std::nullopt);
  SDL_JoystickDetachVirtual(device_);
  SDL_JoystickUpdate();
  EXPECT_EQ(read(), std::nullopt);
}
