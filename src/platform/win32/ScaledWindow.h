#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "PausableLoop.h"

// The game window: resizable, the game drawn at its own size and shown scaled to fit whole,
// centred, with black bars where the shapes differ, crisp (nearest neighbour). F11 and Alt+Enter
// switch to borderless fullscreen on the window's monitor and back. The process is aware of each
// monitor's DPI, so Windows never stretches the window blurry: the start size takes the monitor's
// scale.
class ScaledWindow {
 public:
  // The client area starts at gameWidth x gameHeight times `scale` times the primary monitor's
  // scale, rounded to a whole factor where the screen's work area allows.
  ScaledWindow(HINSTANCE instance, int gameWidth, int gameHeight, int scale, int showCommand);
  ~ScaledWindow();
  ScaledWindow(const ScaledWindow&) = delete;
  ScaledWindow& operator=(const ScaledWindow&) = delete;

  // Handles every message waiting (which also refreshes the keyboard state the controls read) and
  // returns what they asked for.
  LoopRequests handleMessages();

  // Shows a frame of 0x00RRGGBB pixels, row after row, of the game's size: one StretchDIBits, and
  // the bars painted black. The pixels must stay valid until the next present, for repaints.
  void present(const std::uint32_t* pixels);

  void toggleFullscreen();
  // The virtual keys that pause and resume a fight (P and Escape until set; sided as
  // sidedVirtualKey gives them).
  void setPauseKeys(std::vector<int> keys) { pauseKeys_ = std::move(keys); }
  // Called with the new state after each switch by F11 or Alt+Enter, to keep the player's choice.
  void onFullscreenSwitched(std::function<void(bool)> switched) { switched_ = std::move(switched); }
  // Whether the window is in front: the game reads its controls only then.
  bool hasFocus() const { return GetForegroundWindow() == window_; }
  HWND handle() const { return window_; }

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
  bool handleKey(UINT message, WPARAM key, LPARAM flags);
  void paint(HDC dc);

  int gameWidth_;
  int gameHeight_;
  HWND window_ = nullptr;
  BITMAPINFO picture_{};
  const std::uint32_t* pixels_ = nullptr;  // the last frame presented
  LoopRequests requests_;
  std::vector<int> pauseKeys_ = {'P', VK_ESCAPE};
  bool fullscreen_ = false;
  std::function<void(bool)> switched_;
  WINDOWPLACEMENT windowed_{};  // where the window was before fullscreen
};

// The client size to start with: the game's size times `scale` and the monitor's scale (dpi / 96),
// that product rounded to a whole factor when the window (its frame adding `frame`) then fits the
// work area; else the exact product if that fits; else the largest whole factor that does, at
// least 1.
SIZE startClientSize(int gameWidth, int gameHeight, int scale, UINT dpi, SIZE frame, SIZE workArea);
