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

TEST(Gamepad, StickAndPadMoveTheBoundButtonsFireBombAndLeave) {
  const SdlBindings standard = sdlBindings({}, {});
  Settings::Gamepad rebound;
  rebound.fire = "Right Shoulder";
  rebound.bomb = "x";
  rebound.deadzone = 0.25;
  const SdlBindings moved = sdlBindings({}, rebound);
  const auto reading = [](std::int16_t x, std::int16_t y,
                          std::initializer_list<SDL_GameControllerButton> buttons) {
    PadReading pad{x, y};
    for (auto button : buttons) pad.press(button);
    return pad;
  };
  const struct {
    PadReading pad;
    const SdlBindings& bindings;
    std::vector<Key> held;
  } cases[] = {
      {PadReading{}, standard, {}},
      {reading(-20000, -32768, {}), standard, {Key::Up, Key::Left}},
      {reading(16383, -16383, {}), standard, {}},  // inside half-way
      {reading(16383, -16383, {}), moved, {Key::Up, Key::Right}},
      {reading(0, 0,
               {SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDL_CONTROLLER_BUTTON_DPAD_RIGHT,
                SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_B, SDL_CONTROLLER_BUTTON_START}),
       standard,
       {Key::Down, Key::Right, Key::Z, Key::X, Key::Space}},
      {reading(0, 0, {SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_B}), moved, {}},
      {reading(0, 0, {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, SDL_CONTROLLER_BUTTON_X}),
       moved,
       {Key::Z, Key::X}},
  };
  for (const auto& c : cases) {
    std::vector<Key> held;
    for (Key key :
         {Key::Up, Key::Down, Key::Left, Key::Right, Key::Z, Key::X, Key::Shift, Key::Space}) {
      if (padHolds(c.pad, key, c.bindings)) held.push_back(key);
    }
    EXPECT_EQ(held, c.held) << "case " << &c - cases;
  }
}

// The first controller plugged in is used; unplugging it releases everything, unplugging another
// changes nothing, and the next one plugged in takes over.
TEST(Gamepad, FirstPluggedInIsUsedAndUnpluggingReleasesItsControls) {
  FakePads pads;
  pads.readings[0].press(SDL_CONTROLLER_BUTTON_A);
  pads.readings[1].press(SDL_CONTROLLER_BUTTON_B);
  GamepadSlot slot(pads);
  EXPECT_FALSE(slot.read());
  slot.handle(deviceEvent(SDL_CONTROLLERDEVICEADDED, 0));
  slot.handle(deviceEvent(SDL_CONTROLLERDEVICEADDED, 1));
  ASSERT_TRUE(slot.read());
  EXPECT_TRUE(slot.read()->held(SDL_CONTROLLER_BUTTON_A));
  slot.handle(deviceEvent(SDL_CONTROLLERDEVICEREMOVED, 101));  // not the one in use
  ASSERT_TRUE(slot.read());
  slot.handle(deviceEvent(SDL_CONTROLLERDEVICEREMOVED, 100));
  EXPECT_FALSE(slot.read());
  EXPECT_TRUE(pads.opened.empty());
  slot.handle(deviceEvent(SDL_CONTROLLERDEVICEADDED, 1));
  ASSERT_TRUE(slot.read());
  EXPECT_TRUE(slot.read()->held(SDL_CONTROLLER_BUTTON_B));
}
