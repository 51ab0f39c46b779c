#include "WebControlSource.h"

#include <emscripten/html5.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "WebKeyNames.h"
#include "settings/KeyBindings.h"

namespace {

// Buttons of the standard gamepad mapping that do not move with the bindings.
enum StandardButton { kX = 2, kUp = 12, kDown = 13, kLeft = 14, kRight = 15 };
constexpr unsigned kFarLow = 0;
constexpr unsigned kFarHigh = 65535;

bool pressed(const EmscriptenGamepadEvent& pad, int button) {
  return button >= 0 && button < pad.numButtons && pad.digitalButton[button];
}

bool isBound(const Settings::Gamepad& bound, int button) {
  for (const std::string* name : {&bound.fire, &bound.bomb, &bound.leave, &bound.pause}) {
    if (standardButtonNamed(*name) == button) return true;
  }
  return false;
}

// The stick scaled so that the dead zone's edge lands half-way, where the joystick's thresholds
// are: unchanged with the usual half-way dead zone.
double scaledAxis(double axis, double deadzone) {
  return axis * 0.5 / std::clamp(deadzone, 0.01, 1.0);
}

JoystickReading readStandardGamepad(const EmscriptenGamepadEvent& pad,
                                    const Settings::Gamepad& bound) {
  JoystickReading reading;
  if (pad.numAxes >= 2) {
    reading.x = gamepadAxisPosition(scaledAxis(pad.axis[0], bound.deadzone));
    reading.y = gamepadAxisPosition(scaledAxis(pad.axis[1], bound.deadzone));
  }
  // The d-pad pushes the stick all the way.
  if (pressed(pad, kLeft)) reading.x = kFarLow;
  if (pressed(pad, kRight)) reading.x = kFarHigh;
  if (pressed(pad, kUp)) reading.y = kFarLow;
  if (pressed(pad, kDown)) reading.y = kFarHigh;
  // Buttons 1 to 4: fire, bomb, the unused third (X, when nothing else takes it), and leaving a
  // result screen.
  if (pressed(pad, standardButtonNamed(bound.fire))) reading.buttons |= 1u;
  if (pressed(pad, standardButtonNamed(bound.bomb))) reading.buttons |= 2u;
  if (!isBound(bound, kX) && pressed(pad, kX)) reading.buttons |= 4u;
  if (pressed(pad, standardButtonNamed(bound.leave))) reading.buttons |= 8u;
  return reading;
}

}  // namespace

unsigned gamepadAxisPosition(double axis) {
  if (!(axis > -1.0)) return kFarLow;  // also a NaN from a confused driver
  if (axis >= 1.0) return kFarHigh;
  return static_cast<unsigned>((axis + 1.0) * 32767.5);
}

// Bindings that clash leave today's keys; the stored settings keep what the player wrote.
WebControlSource::WebControlSource(const Settings& settings)
    : bindings_(playableControls(settings.controls)), gamepadBindings_(settings.gamepad) {}

// Letters follow the keyboard layout, as on the other programs; Shift's capital is the same key.
bool WebControlSource::keyChanged(std::string_view key, std::string_view code, bool down) {
  const std::string name = webKeyName(key, code);
  for (std::size_t control = 0; control < kKeys; ++control) {
    const auto& names = bindings_.keys[control];
    if (std::any_of(names.begin(), names.end(),
                    [&name](const std::string& bound) { return sameKeyName(bound, name); })) {
      held_[control] = down;
      return true;
    }
  }
  return false;
}

bool WebControlSource::pauses(std::string_view key, std::string_view code) const {
  const std::string name = webKeyName(key, code);
  return std::any_of(bindings_.pause.begin(), bindings_.pause.end(),
                     [&name](const std::string& bound) { return sameKeyName(bound, name); });
}

void WebControlSource::sampleGamepads() {
  gamepad_ = JoystickReading{};
  const bool backWasHeld = backHeld_;
  backHeld_ = false;
  if (emscripten_sample_gamepad_data() == EMSCRIPTEN_RESULT_SUCCESS) {
    const int count = emscripten_get_num_gamepads();
    for (int index = 0; index < count; ++index) {
      EmscriptenGamepadEvent pad;
      if (emscripten_get_gamepad_status(index, &pad) != EMSCRIPTEN_RESULT_SUCCESS) continue;
      if (!pad.connected || std::strcmp(pad.mapping, "standard") != 0) continue;
      gamepad_ = readStandardGamepad(pad, gamepadBindings_);
      backHeld_ = pressed(pad, standardButtonNamed(gamepadBindings_.pause));
      break;
    }
  }
  backPressed_ = backHeld_ && !backWasHeld;
}

std::optional<JoystickReading> WebControlSource::readJoystick(int id) const {
  if (id != 0) return std::nullopt;
  return gamepad_;
}
