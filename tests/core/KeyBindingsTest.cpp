// Binding keys by name: rebinding with a swap, the reset, bad bindings, the title's hint and the
// menu's fixed keys.
#include <gtest/gtest.h>

#include "settings/KeyBindings.h"
#include "support/BindingText.h"

namespace {

using Names = std::vector<std::string>;

// Each case's outcome is written as the bindings that differ from today's.
TEST(KeyBindings, RebindingMovesTheKeyAndHandsTheDisplacedOneBack) {
  const struct {
    Bound bound;
    int slot;
    std::string name;
    bool done;
    const char* after;
  } cases[] = {
      {Bound::Fire, 0, "J", true, "fire=J"},
      {Bound::Fire, 0, "x", true, "fire=x;bomb=Z"},
      {Bound::Fire, 1, "J", true, "fire=Z,J"},
      // A second key taken from a control with two leaves it one; from one with one, refused.
      {Bound::Fire, 1, "Escape", true, "fire=Z,Escape;pause=P"},
      {Bound::Fire, 1, "X", false, ""},
      {Bound::Pause, 1, "Z", true, "fire=Escape;pause=P,Z"},
      {Bound::Third, 0, "P", true, "third=P,Right Shift;pause=Left Shift,Escape"},
      {Bound::Fire, 2, "J", false, ""},
      {Bound::Fire, 0, "", false, ""},
  };
  for (const auto& c : cases) {
    Settings::Controls controls, expected;
    ASSERT_TRUE(applyBindingText(expected, c.after)) << c.after;
    EXPECT_EQ(rebind(controls, c.bound, c.slot, c.name), c.done) << c.name;
    EXPECT_EQ(controls.keys, expected.keys) << c.name;
    EXPECT_EQ(controls.pause, expected.pause) << c.name;
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
  // A key on two controls, or a control with none, is not a set of bindings to play with.
  Settings::Controls clash;
  clash.keys[static_cast<int>(Key::X)] = {"Z"};
  EXPECT_FALSE(validControls(clash));
  bool replaced = false;
  EXPECT_EQ(playableControls(clash, &replaced).of(Key::X), Names{"X"});
  EXPECT_TRUE(replaced);
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
