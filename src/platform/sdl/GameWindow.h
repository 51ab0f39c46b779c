#pragma once

#include <SDL.h>

#include <cstdint>

// The one game window: fixed client size, shown by uploading a finished frame into a streaming
// texture and presenting it whole, so a half-drawn frame is never seen.
class GameWindow {
 public:
  // Throws std::runtime_error with SDL's reason when the window cannot be opened.
  GameWindow(const char* title, int width, int height);
  ~GameWindow();
  GameWindow(const GameWindow&) = delete;
  GameWindow& operator=(const GameWindow&) = delete;

  // Whether the window has the keyboard focus: the game reads its controls only then.
  bool hasFocus() const;

  // Shows a frame of 0x00RRGGBB pixels, row after row, of the window's size.
  void present(const std::uint32_t* pixels);

 private:
  int width_;
  int height_;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
};
