// Binding keys by name: rebinding with a swap, the reset, bad bindings, the title's hint and the
// menu's fixed keys.
#include <gtest/gtest.h>

#include "settings/KeyBindings.h"

namespace {

using Names = std::vector<std::string>;

TEST(KeyBindings, RebindingMovesTheKeyAndHandsTheDisplacedOneBack) {
  const struct {
    Bound bound;
    int slot;
    std::string name;
    bool done;
    Names fire, bomb, third, pause;
  } cases[] = {
      {Bound::Fire, 0, "J", true, {"J"}, {"X"}, {"Left Shift", "Right Shift"}, {"P", "Escape"}},
      {Bound::Fire, 0, "x", true, {"x"}, {"Z"}, {"Left Shift", "Right Shift"}, {"P", "Escape"}},
      {Bound::Fire,
       1,
       "J",
       true,
       {"Z", "J"},
       {"X"},
       {"Left Shift", "Right Shift"},
       {"P", "Escape"}},
      // A second key taken from a control with two keeps it one; from a control with one, refused.
      {Bound::Fire,
       1,
       "Escape",
       true,
       {"Z", "Escape"},
       {"X"},
       {"Left Shift", "Right Shift"},
       {"P"}},
      {Bound::Fire, 1, "X", false, {"Z"}, {"X"}, {"Left Shift", "Right Shift"}, {"P", "Escape"}},
      {Bound::Pause, 1, "Z", true, {"Escape"}, {"X"}, {"Left Shift", "Right Shift"}, {"P", "Z"}},
      {Bound::Third, 0, "P", true, {"Z"}, {"X"}, {"P", "Right Shift"}, {"Left Shift", "Escape"}},
      {Bound::Fire, 2, "J", false, {"Z"}, {"X"}, {"Left Shift", "Right Shift"}, {"P", "Escape"}},
      {Bound::Fire, 0, "", false, {"Z"}, {"X"}, {"Left Shift", "Right Shift"}, {"P", "Escape"}},
  };
  for (const auto& c : cases) {
    Settings::Controls controls;
    EXPECT_EQ(rebind(controls, c.bound, c.slot, c.name), c.done) << c.name;
    EXPECT_EQ(controls.of(Key::Z), c.fire) << c.name;
    EXPECT_EQ(controls.of(Key::X), c.bomb) << c.name;
    EXPECT_EQ(controls.of(Key::Shift), c.third) << c.name;
    EXPECT_EQ(controls.pause, c.pause) << c.name;
    EXPECT_TRUE(validControls(controls)) << c.name;
  }
}

TEST(KeyBindings, ResetBringsBackTodaysKeys) {
  Settings::Controls controls;
  ASSERT_TRUE(applyBindingText(controls, "fire=J;up=W;pause=Q,F5"));
  resetControls(controls);
  EXPECT_EQ(controls.keys, Settings::Controls{}.keys);
  EXPECT_EQ(controls.pause, Settings::Controls{}.pause);
}

TEST(KeyBindings, BadBindingsAreRefusedWhole) {
  EXPECT_TRUE(validBinding({"Z"}));
  EXPECT_TRUE(validBinding({"Left Shift", "Right Shift"}));
  for (const Names& bad : {Names{}, Names{""}, Names{"A", "B", "C"}, Names{"z", "Z"}}) {
    EXPECT_FALSE(validBinding(bad)) << bad.size();
  }
  for (const char* text : {"fire=", "fire=J,", "fire=X", "shoot=J", "fire J", "fire=J,K,L"}) {
    Settings::Controls controls;
    EXPECT_FALSE(applyBindingText(controls, text)) << text;
    EXPECT_EQ(controls.of(Key::Z), Names{"Z"}) << text;
  }
  Settings::Controls controls;
  EXPECT_TRUE(applyBindingText(controls, "bomb = K, Left Ctrl ;fire=X"));
  EXPECT_EQ(controls.of(Key::X), (Names{"K", "Left Ctrl"}));
}

TEST(KeyBindings, TheTitleHintNamesTheBoundKeys) {
  const struct {
    const char* bindings;
    const char* hint;
  } cases[] = {
      {"", "Use Arrow keys and Z key to select."},
      {"fire=J", "Use Arrow keys and J key to select."},
      {"up=W;down=S;fire=Space;leave=Return", "Use W/S keys and Space key to select."},
      {"left=A;right=D", "Use Arrow keys and Z key to select."},
  };
  EXPECT_EQ(menuHint(nullptr), cases[0].hint);
  for (const auto& c : cases) {
    Settings::Controls controls;
    ASSERT_TRUE(applyBindingText(controls, c.bindings)) << c.bindings;
    EXPECT_EQ(menuHint(&controls), c.hint);
  }
  Settings::Controls broken;
  broken.keys[0].clear();
  EXPECT_EQ(menuHint(&broken), cases[0].hint);
}

TEST(KeyBindings, TheMenuKeysStayWhateverIsBound) {
  const std::pair<const char*, MenuAction> keys[] = {
      {"Up", MenuAction::Up},       {"Down", MenuAction::Down},      {"Left", MenuAction::Left},
      {"Right", MenuAction::Right}, {"Return", MenuAction::Choose},  {"z", MenuAction::Choose},
      {"Escape", MenuAction::Back}, {"Backspace", MenuAction::Back}, {"J", MenuAction::None},
      {"Space", MenuAction::None}};
  for (const auto& [name, action] : keys) EXPECT_EQ(menuActionOfKey(name), action) << name;
  EXPECT_EQ(menuActionOfButton("A"), MenuAction::Choose);
  EXPECT_EQ(menuActionOfButton("B"), MenuAction::Back);
  EXPECT_EQ(menuActionOfButton("Start"), MenuAction::None);
}

}  // namespace
