#pragma once

#include <cstdint>
#include <istream>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "controls/ControlSource.h"

// A scripted input: lines "FRAME CONTROLS", each meaning "from this frame on, exactly these
// controls are held". CONTROLS is "-" (nothing) or a comma-separated list of up down left right z x
// shift space. Blank lines and lines starting with '#' are skipped.
class InputTimeline {
 public:
  // Parses the whole script; on a bad line returns nullopt and a message naming the line.
  static std::optional<InputTimeline> parse(std::istream& in, std::string& error);

  // The CONTROLS field for a set of held controls, as parse reads it back.
  static std::string formatControls(const std::set<Key>& keys);

  // The controls held in a frame (nothing before the first line).
  const std::set<Key>& heldAt(std::int64_t frame) const;

 private:
  std::map<std::int64_t, std::set<Key>> changes_;
};

// Answers the game's polls from the controls the timeline holds in the current frame; no joystick.
class ScriptedControls final : public ControlSource {
 public:
  void hold(const std::set<Key>& keys) { held_ = &keys; }
  bool keyHeld(Key key) const override { return held_ && held_->count(key) > 0; }
  int joystickDeviceCount() const override { return 0; }
  std::optional<JoystickReading> readJoystick(int) const override { return std::nullopt; }

 private:
  const std::set<Key>* held_ = nullptr;
};
