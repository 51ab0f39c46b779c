#pragma once

#include <SDL.h>

#include <cstdint>
#include <functional>

// How the window shows the game.
struct WindowLook {
  int scale = 1;            // the window starts at this many times the game's size
  bool smooth = false;      // linear filtering instead of the crisp nearest-neighbour pixels
  bool fullscreen = false;  // starts in desktop fullscreen
  bool vsync = true;        // each present waits for the display, so nothing tears
};

// The one game window. The game is always drawn at its own size; the window may be resized or
// fullscreen, and shows the frame scaled to fit whole, centred, with black bars where the shapes
// differ. A finished frame is uploaded into a streaming texture in one update and presented whole,
// so a half-drawn frame is never seen.
class GameWindow {
 public:
  // Throws std::runtime_error with SDL's reason when the window cannot be opened.
  GameWindow(const char* title, int width, int height, const WindowLook& look = {});
  ~GameWindow();
  GameWindow(const GameWindow&) = delete;
  GameWindow& operator=(const GameWindow&) = delete;

  // Whether the window has the keyboard focus: the game reads its controls only then.
  bool hasFocus() const;

  // Shows a frame of 0x00RRGGBB pixels, row after row, of the game's size.
  void present(const std::uint32_t* pixels);

  // Between desktop fullscreen (no mouse cursor) and the window.
  void toggleFullscreen();
  bool fullscreen() const { return fullscreen_; }
  // Called with the new state after each switch (F11 or Alt+Enter), to keep the player's choice.
  void onFullscreenSwitched(std::function<void(bool)> switched) { switched_ = std::move(switched); }

 private:
  void setIcon();
  void applyFullscreen();

  int width_;
  int height_;
  bool fullscreen_;
  std::function<void(bool)> switched_;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
};
