#pragma once

#include <array>
#include <vector>

#include "controls/ControlSource.h"
#include "settings/Settings.h"

// The keyboard through GetKeyState (held = high bit set) and the joysticks through the multimedia
// joystick functions. Only raw answers: the dead zone and button mapping live in Input. A control
// is held while any key bound to it is.
class Win32ControlSource final : public ControlSource {
 public:
  explicit Win32ControlSource(const Settings::Controls& controls = {});
  bool keyHeld(Key key) const override;
  int joystickDeviceCount() const override;
  std::optional<JoystickReading> readJoystick(int id) const override;

 private:
  std::array<std::vector<int>, Settings::kControls> virtualKeys_;
};
