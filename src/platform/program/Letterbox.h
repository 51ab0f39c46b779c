#pragma once

// Where the game's picture goes in the window: the largest picture of the game's own shape that
// fits whole, centred, with black bars along the sides that are left over.
struct Viewport {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const Viewport&, const Viewport&) = default;
};

Viewport letterbox(int windowWidth, int windowHeight, int gameWidth, int gameHeight);
