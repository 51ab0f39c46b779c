// A game controller as the player's controls: the mapping, and plugging in and out mid-game.
#include <gtest/gtest.h>

#include <map>

#include "Gamepad.h"

namespace {

// Stands in for SDL's controllers: device indexes open as handles whose instance id is 100 + index.
class FakePads final : public PadDevices {
 public:
  SDL_GameController* open(int deviceIndex) override {
    auto* pad = reinterpret_cast<SDL_GameController*>(static_cast<std::intptr_t>(deviceIndex + 1));
    opened[pad] = deviceIndex;
    return pad;
  }
  void close(SDL_GameController* pad) override { opened.erase(pad); }
  SDL_JoystickID instanceOf(SDL_GameController* pad) override { return 100 + opened.at(pad); }
  PadReading read(SDL_GameController* pad) override { return readings[opened.at(pad)]; }

  std::map<SDL_GameController*, int> opened;
  std::map<int, PadReading> readings;
};

SDL_Event deviceEvent(Uint32 type, Sint32 which) {
  SDL_Event event{};
  event.type = type;
  event.cdevice.which = which;
  return event;
}

}  // namespace

TEST(Gamepad, StickAndPadMoveAFiresBBombsStartIsSpace) {
  struct Case {
    PadReading pad;
    std::vector<Key> held;
  };
  PadReading stickLeftUp;
  stickLeftUp.leftX = -20000;
  stickLeftUp.leftY = -32768;
  PadReading stickNearCentre;
  stickNearCentre.leftX = 16383;
  stickNearCentre.leftY = -16383;
  PadReading buttons;
  buttons.down = buttons.right = buttons.a = buttons.b = buttons.start = true;
  const Case cases[] = {
      {PadReading{}, {}},
      {stickLeftUp, {Key::Up, Key::Left}},
      {stickNearCentre, {}},
      {buttons, {Key::Down, Key::Right, Key::Z, Key::X, Key::Space}},
  };
  for (const Case& c : cases) {
    std::vector<Key> held;
    for (Key key :
         {Key::Up, Key::Down, Key::Left, Key::Right, Key::Z, Key::X, Key::Shift, Key::Space}) {
      if (padHolds(c.pad, key)) held.push_back(key);
    }
    EXPECT_EQ(held, c.held);
  }
}

// The first controller plugged in is used; unplugging it releases everything, unplugging another
// changes nothing, and the next one plugged in takes over.
TEST(Gamepad, FirstPluggedInIsUsedAndUnpluggingReleasesItsControls) {
  FakePads pads;
  pads.readings[0].a = true;
  pads.readings[1].b = true;
  GamepadSlot slot(pads);
  EXPECT_FALSE(slot.read());
  slot.handle(deviceEvent(SDL_CONTROLLERDEVICEADDED, 0));
  slot.handle(deviceEvent(SDL_CONTROLLERDEVICEADDED, 1));
  ASSERT_TRUE(slot.read());
  EXPECT_TRUE(slot.read()->a);
  slot.handle(deviceEvent(SDL_CONTROLLERDEVICEREMOVED, 101));  // not the one in use
  ASSERT_TRUE(slot.read());
  slot.handle(deviceEvent(SDL_CONTROLLERDEVICEREMOVED, 100));
  EXPECT_FALSE(slot.read());
  EXPECT_TRUE(pads.opened.empty());
  slot.handle(deviceEvent(SDL_CONTROLLERDEVICEADDED, 1));
  ASSERT_TRUE(slot.read());
  EXPECT_TRUE(slot.read()->b);
}
