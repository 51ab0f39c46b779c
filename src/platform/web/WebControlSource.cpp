#include "WebControlSource.h"

#include <emscripten/html5.h>

#include <cstring>

namespace {

std::optional<Key> gameKey(std::string_view key) {
  if (key == "ArrowUp") return Key::Up;
  if (key == "ArrowDown") return Key::Down;
  if (key == "ArrowLeft") return Key::Left;
  if (key == "ArrowRight") return Key::Right;
  // Letters follow the keyboard layout, as on the other programs; Shift gives the capital.
  if (key == "z" || key == "Z") return Key::Z;
  if (key == "x" || key == "X") return Key::X;
  if (key == "Shift") return Key::Shift;
  if (key == " ") return Key::Space;
  return std::nullopt;
}

// Buttons of the standard gamepad mapping.
enum StandardButton {
  kA = 0,
  kB = 1,
  kX = 2,
  kBack = 8,
  kStart = 9,
  kUp = 12,
  kDown = 13,
  kLeft = 14,
  kRight = 15
};
constexpr unsigned kFarLow = 0;
constexpr unsigned kFarHigh = 65535;

bool pressed(const EmscriptenGamepadEvent& pad, int button) {
  return button < pad.numButtons && pad.digitalButton[button];
}

JoystickReading readStandardGamepad(const EmscriptenGamepadEvent& pad) {
  JoystickReading reading;
  if (pad.numAxes >= 2) {
    reading.x = gamepadAxisPosition(pad.axis[0]);
    reading.y = gamepadAxisPosition(pad.axis[1]);
  }
  // The d-pad pushes the stick all the way.
  if (pressed(pad, kLeft)) reading.x = kFarLow;
  if (pressed(pad, kRight)) reading.x = kFarHigh;
  if (pressed(pad, kUp)) reading.y = kFarLow;
  if (pressed(pad, kDown)) reading.y = kFarHigh;
  // Buttons 1 to 4: fire, bomb, the unused third, and Start for leaving a result screen.
  if (pressed(pad, kA)) reading.buttons |= 1u;
  if (pressed(pad, kB)) reading.buttons |= 2u;
  if (pressed(pad, kX)) reading.buttons |= 4u;
  if (pressed(pad, kStart)) reading.buttons |= 8u;
  return reading;
}

}  // namespace

unsigned gamepadAxisPosition(double axis) {
  if (!(axis > -1.0)) return kFarLow;  // also a NaN from a confused driver
  if (axis >= 1.0) return kFarHigh;
  return static_cast<unsigned>((axis + 1.0) * 32767.5);
}

bool WebControlSource::keyChanged(std::string_view key, bool down) {
  const std::optional<Key> game = gameKey(key);
  if (!game) return false;
  held_[static_cast<std::size_t>(*game)] = down;
  return true;
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
      gamepad_ = readStandardGamepad(pad);
      backHeld_ = pressed(pad, kBack);
      break;
    }
  }
  backPressed_ = backHeld_ && !backWasHeld;
}

std::optional<JoystickReading> WebControlSource::readJoystick(int id) const {
  if (id != 0) return std::nullopt;
  return gamepad_;
}
