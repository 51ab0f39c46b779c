// Reads joysticks through SDL's virtual joystick driver, so no device is needed.
#include <gtest/gtest.h>

#include "SdlControlSource.h"
#include "controls/Input.h"

namespace {

constexpr int kAxes = 3;
constexpr int kButtons = 6;

class SdlJoystickSource : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
    device_ = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, kAxes, kButtons, 0);
    ASSERT_GE(device_, 0) << SDL_GetError();
    stick_ = SDL_JoystickOpen(device_);
    ASSERT_NE(stick_, nullptr) << SDL_GetError();
  }
  void TearDown() override {
    if (stick_) SDL_JoystickClose(stick_);
    if (attached_) SDL_JoystickDetachVirtual(device_);
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
  }

  void setAxes(Sint16 x, Sint16 y, Sint16 z) {
    SDL_JoystickSetVirtualAxis(stick_, 0, x);
    SDL_JoystickSetVirtualAxis(stick_, 1, y);
    SDL_JoystickSetVirtualAxis(stick_, 2, z);
    SDL_JoystickUpdate();
  }
  void setButton(int button, bool down) {
    SDL_JoystickSetVirtualButton(stick_, button, down ? SDL_PRESSED : SDL_RELEASED);
    SDL_JoystickUpdate();
  }
  void detach() {
    SDL_JoystickDetachVirtual(device_);
    attached_ = false;
    SDL_JoystickUpdate();
  }

  int device_ = -1;
  SDL_Joystick* stick_ = nullptr;
  bool attached_ = true;
};

}  // namespace

TEST_F(SdlJoystickSource, ReportsTheDevicesPresent) {
  SdlControlSource source;
  EXPECT_EQ(source.joystickDeviceCount(), SDL_NumJoysticks());
  EXPECT_TRUE(source.readJoystick(device_).has_value());
  EXPECT_FALSE(source.readJoystick(-1).has_value());
  EXPECT_FALSE(source.readJoystick(SDL_NumJoysticks()).has_value());
}

TEST_F(SdlJoystickSource, ShiftsSignedAxesOntoTheUnsignedRange) {
  SdlControlSource source;
  setAxes(-32768, 32767, 0);
  const auto reading = source.readJoystick(device_);
  ASSERT_TRUE(reading.has_value());
  EXPECT_EQ(reading->x, 0u);
  EXPECT_EQ(reading->y, 65535u);
  EXPECT_EQ(reading->z, 32768u);
}

TEST_F(SdlJoystickSource, PutsTheFirstFourButtonsIntoTheMask) {
  SdlControlSource source;
  setButton(0, true);
  setButton(3, true);
  setButton(4, true);  // a fifth button is no control of the game
  ASSERT_TRUE(source.readJoystick(device_).has_value());
  EXPECT_EQ(source.readJoystick(device_)->buttons, 0b1001u);
  setButton(0, false);
  setButton(1, true);
  EXPECT_EQ(source.readJoystick(device_)->buttons, 0b1010u);
}

TEST_F(SdlJoystickSource, AnUnpluggedJoystickNoLongerAnswers) {
  SdlControlSource source;
  ASSERT_TRUE(source.readJoystick(device_).has_value());
  detach();
  EXPECT_FALSE(source.readJoystick(device_).has_value());
}

TEST_F(SdlJoystickSource, DrivesTheGameControlsThroughTheDeadZone) {
  SdlControlSource source;
  setAxes(0, 0, 0);
  Input input;
  input.setSource(&source);
  input.initialize();
  ASSERT_EQ(input.joystickId(), device_);
  EXPECT_EQ(input.centreX(), 32768u);
  EXPECT_FALSE(input.left() || input.right() || input.up() || input.down());

  setAxes(-32768, 32767, 0);  // stick to the lower left
  EXPECT_TRUE(input.left());
  EXPECT_TRUE(input.down());
  EXPECT_FALSE(input.right() || input.up());

  setButton(1, true);
  EXPECT_TRUE(input.button2());
  EXPECT_FALSE(input.button1());
}
