#pragma once

#include <array>
#include <string>
#include <vector>

#include "controls/ControlSource.h"

// Everything a player can set, as plain values: what the settings file holds and the options
// change. A default-constructed Settings is the designed game with today's keys. Key names are
// the keyboard layout's names for the keys ("Z", "Left Shift", "Up", "Escape"), so that a binding
// means the key that carries that label whatever the layout.
struct Settings {
  static constexpr int kControls = 8;  // the game's eight controls, in Key order

  struct Controls {
    // One or two key names for each of the eight controls, indexed by Key.
    std::array<std::vector<std::string>, kControls> keys = {{
        {"Up"},
        {"Down"},
        {"Left"},
        {"Right"},
        {"Z"},
        {"X"},
        {"Left Shift", "Right Shift"},
        {"Space"},
    }};
    std::vector<std::string> pause = {"P", "Escape"};

    const std::vector<std::string>& of(Key key) const { return keys[static_cast<int>(key)]; }
  };

  // A game controller's buttons by their standard names ("A", "B", "Start", "Back", ...) and
  // the share of the stick's travel below which it counts as centred (half-way, as the
  // joystick's thresholds).
  struct Gamepad {
    std::string fire = "A";
    std::string bomb = "B";
    std::string leave = "Start";
    std::string pause = "Back";
    double deadzone = 0.5;
  };

  struct Sound {
    bool on = true;
    int volume = 100;  // 0 to 100
  };

  struct Display {
    int scale = 1;  // the window's start size, 1 to 4 times the play field
    bool fullscreen = false;
    bool smooth = false;      // linear filtering instead of crisp pixels
    bool vsync = true;        // Linux: wait for the display's refresh
    bool wholePixels = true;  // browser: prefer a whole number of pixels per game pixel
  };

  struct Touch {
    bool leftHanded = false;  // the buttons on the left, mirrored
    int sensitivity = 100;    // drag distance in per cent of the finger's
    bool fireHeld = false;    // fire held from the start of a fight
  };

  struct Game {
    bool classic = false;  // the designed three-entry title, key for key
  };

  Controls controls;
  Gamepad gamepad;
  Sound sound;
  Display display;
  Touch touch;
  Game game;
};
