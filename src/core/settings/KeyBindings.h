#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/ControlSource.h"
#include "settings/Settings.h"

// What binding keys means on every program: the bound names of each control, the checks, the
// rebinding that never leaves a key on two controls, and the menu's fixed keys. The programs turn
// the names into their own key codes; the game itself only ever sees the eight controls.

// The nine things a key can be bound to: the eight controls in Key order, then the pause.
enum class Bound { Up, Down, Left, Right, Fire, Bomb, Third, Leave, Pause };
inline constexpr int kBoundCount = 9;

// Each one's name as the settings file and the options screen call it ("fire", "pause").
std::string_view boundName(Bound bound);
std::optional<Bound> boundNamed(std::string_view name);

// The names bound to a control or to the pause.
const std::vector<std::string>& namesOf(const Settings::Controls& controls, Bound bound);
inline const std::vector<std::string>& namesOf(const Settings::Controls& controls, Key key) {
  return controls.of(key);
}

// Key names compare as the keyboard's labels do: "z" and "Z" are the same key.
bool sameKeyName(std::string_view a, std::string_view b);

// One or two names, none empty and not the same key twice.
bool validBinding(const std::vector<std::string>& names);
// Every binding valid and no key bound twice.
bool validControls(const Settings::Controls& controls);

// Binds `name` to place `slot` (0 or 1) of `bound`. A key already bound elsewhere moves here, and
// the control it leaves takes the key this place held, so no key drives two controls. False,
// changing nothing, when the place does not exist or the move would leave a control with no key.
bool rebind(Settings::Controls& controls, Bound bound, int slot, const std::string& name);

// Today's keys.
void resetControls(Settings::Controls& controls);

// The bindings as given, or today's keys when they bind one key twice or leave a control with
// none; `replaced` tells which.
Settings::Controls playableControls(const Settings::Controls& bound, bool* replaced = nullptr);

// The title's hint line, naming the bound keys: "Use Arrow keys and Z key to select." with
// today's keys, and also without valid bindings.
std::string menuHint(const Settings::Controls* controls);

// The menu's own keys, which no binding takes away, so that a player who binds badly can still
// move, choose and go back. Key names as above; gamepad buttons by their standard names.
enum class MenuAction { None, Up, Down, Left, Right, Choose, Back };
MenuAction menuActionOfKey(std::string_view keyName);
MenuAction menuActionOfButton(std::string_view buttonName);
