#include <gtest/gtest.h>

#include <map>

#include "controls/Input.h"
#include "support/HeldKeys.h"

namespace {

// A platform stand-in: keys held, and joysticks that answer or not.
class FakeControls : public HeldKeys {
 public:
  int joystickDeviceCount() const override { return devices; }
  std::optional<JoystickReading> readJoystick(int id) const override {
    auto it = sticks.find(id);
    if (it == sticks.end()) return std::nullopt;
    return it->second;
  }

  int devices = 16;
  std::map<int, JoystickReading> sticks;
};

class InputTest : public ::testing::Test {
 protected:
  InputTest() { input.setSource(&controls); }

  void stickAt(unsigned x, unsigned y, unsigned buttons = 0) {
    controls.sticks[0] = {x, y, 32767, buttons};
  }

  FakeControls controls;
  Input input;
};

}  // namespace

TEST_F(InputTest, WithoutJoystickEveryReaderIsItsKey) {
  input.initialize();
  EXPECT_EQ(input.joystickId(), Input::kNoJoystick);
  EXPECT_FALSE(input.up() || input.down() || input.left() || input.right());
  controls.held = {Key::Up, Key::Right, Key::Z, Key::Space};
  EXPECT_TRUE(input.up());
  EXPECT_FALSE(input.down());
  EXPECT_FALSE(input.left());
  EXPECT_TRUE(input.right());
  EXPECT_TRUE(input.button1());
  EXPECT_FALSE(input.button2());
  EXPECT_FALSE(input.button3());
  EXPECT_TRUE(input.button4());
}

TEST_F(InputTest, BeforeInitialisingOrWithoutSourceOnlyKeysCount) {
  stickAt(0, 0, 0xF);
  EXPECT_EQ(input.joystickId(), Input::kNotInitialised);
  EXPECT_FALSE(input.up() || input.button1());
  Input bare;
  bare.initialize();
  EXPECT_FALSE(bare.up() || bare.button1() || bare.button4());
}

TEST_F(InputTest, DeadZoneEdgesAroundTheRecordedCentre) {
  stickAt(32767, 32767);
  input.initialize();
  ASSERT_EQ(input.joystickId(), 0);
  stickAt(32767, 16382);
  EXPECT_TRUE(input.up());
  stickAt(32767, 16383);
  EXPECT_FALSE(input.up());
  stickAt(32767, 49150);
  EXPECT_TRUE(input.down());
  stickAt(32767, 49149);
  EXPECT_FALSE(input.down());
  stickAt(16382, 32767);
  EXPECT_TRUE(input.left());
  stickAt(49150, 32767);
  EXPECT_TRUE(input.right());
  stickAt(49149, 32767);
  EXPECT_FALSE(input.right());
  // A centre of 0 can never read up or left.
  stickAt(0, 0);
  input.initialize();
  EXPECT_FALSE(input.up() || input.left() || input.down());
  stickAt(1, 1);
  EXPECT_TRUE(input.down() && input.right());
}

TEST_F(InputTest, ButtonsMapToTheirBits) {
  stickAt(32767, 32767);
  input.initialize();
  const unsigned bits[] = {1, 2, 4, 8};
  for (unsigned bit : bits) {
    stickAt(32767, 32767, bit);
    const bool held[] = {input.button1(), input.button2(), input.button3(), input.button4()};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(held[i], bits[i] == bit) << "bit " << bit;
  }
}

TEST_F(InputTest, KeyAndStickPointingApartBothRead) {
  stickAt(32767, 32767);
  input.initialize();
  stickAt(60000, 32767);
  controls.held = {Key::Left};
  EXPECT_TRUE(input.left());
  EXPECT_TRUE(input.right());
}

TEST_F(InputTest, SecondJoystickIsAskedOnlyWithExactlyTwoDevices) {
  controls.sticks[1] = {20000, 20000, 0, 0};
  controls.devices = 16;
  input.initialize();
  EXPECT_EQ(input.joystickId(), Input::kNoJoystick);

  Input second;
  second.setSource(&controls);
  controls.devices = 2;
  second.initialize();
  EXPECT_EQ(second.joystickId(), 1);
  EXPECT_EQ(second.centreY(), 20000u);
}

TEST_F(InputTest, AStickThatStopsAnsweringFallsBackToTheKeyboard) {
  stickAt(32767, 32767);
  input.initialize();
  controls.sticks.clear();
  EXPECT_FALSE(input.up());
  controls.held = {Key::Up};
  EXPECT_TRUE(input.up());
}
