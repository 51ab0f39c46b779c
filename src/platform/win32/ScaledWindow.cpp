#include "ScaledWindow.h"

#include <algorithm>
#include <cmath>

#include "DpiSupport.h"
#include "Letterbox.h"
#include "Win32KeyNames.h"
#include "WindowClass.h"

namespace {

constexpr const char* kClassName = "KelvaronWindow";
constexpr DWORD kWindowedStyle = WS_OVERLAPPEDWINDOW;
constexpr DWORD kFullscreenStyle = WS_POPUP;

bool firstPress(LPARAM flags) { return (flags & (1 << 30)) == 0; }  // not a held key's repeat
bool altHeld(LPARAM flags) { return (flags & (1 << 29)) != 0; }

SIZE startSize(int gameWidth, int gameHeight, int scale) {
  const HMONITOR monitor = MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(monitor, &info);
  const UINT dpi = dpi::ofMonitor(monitor);
  const SIZE outer = dpi::windowSizeAround(gameWidth, gameHeight, kWindowedStyle, dpi);
  const SIZE frame{outer.cx - gameWidth, outer.cy - gameHeight};
  const SIZE work{info.rcWork.right - info.rcWork.left, info.rcWork.bottom - info.rcWork.top};
  const SIZE client = startClientSize(gameWidth, gameHeight, scale, dpi, frame, work);
  return dpi::windowSizeAround(client.cx, client.cy, kWindowedStyle, dpi);
}

}  // namespace

SIZE startClientSize(int gameWidth, int gameHeight, int scale, UINT dpi, SIZE frame,
                     SIZE workArea) {
  const auto fits = [&](double factor) {
    return gameWidth * factor + frame.cx <= workArea.cx &&
           gameHeight * factor + frame.cy <= workArea.cy;
  };
  const auto sized = [&](double factor) {
    return SIZE{static_cast<LONG>(gameWidth * factor), static_cast<LONG>(gameHeight * factor)};
  };
  const double exact = scale * static_cast<double>(dpi) / dpi::kDefault;
  const double whole = std::max(1.0, std::round(exact));
  if (fits(whole)) return sized(whole);
  if (fits(exact)) return sized(exact);
  double factor = std::floor(exact);
  while (factor > 1 && !fits(factor)) --factor;
  return sized(std::max(1.0, factor));
}

ScaledWindow::ScaledWindow(HINSTANCE instance, int gameWidth, int gameHeight, int scale,
                           int showCommand)
    : gameWidth_(gameWidth), gameHeight_(gameHeight) {
  // Top-down rows of 32-bit pixels, blue in the low byte: RasterCanvas's layout as it is.
  picture_.bmiHeader = {
      sizeof picture_.bmiHeader, gameWidth, -gameHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  windowed_.length = sizeof windowed_;
  registerWindowClass(instance, kClassName, procedure,
                      static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  const SIZE size = startSize(gameWidth, gameHeight, scale);
  window_ = CreateWindowExA(0, kClassName, "Kelvaron", kWindowedStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                            size.cx, size.cy, nullptr, nullptr, instance, this);
  ShowWindow(window_, showCommand);
}

ScaledWindow::~ScaledWindow() {
  if (IsWindow(window_)) DestroyWindow(window_);
}

LoopRequests ScaledWindow::handleMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) requests_.close = true;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  const LoopRequests requests = requests_;
  requests_ = {};
  return requests;
}

void ScaledWindow::present(const std::uint32_t* pixels) {
  pixels_ = pixels;
  HDC dc = GetDC(window_);
  paint(dc);
  ReleaseDC(window_, dc);
}

void ScaledWindow::paint(HDC dc) {
  RECT client;
  GetClientRect(window_, &client);
  const Viewport view = letterbox(client.right, client.bottom, gameWidth_, gameHeight_);
  // The bars: left and right of the picture, or above and below it.
  if (view.x > 0) {
    PatBlt(dc, 0, 0, view.x, client.bottom, BLACKNESS);
    PatBlt(dc, view.x + view.width, 0, client.right - view.x - view.width, client.bottom,
           BLACKNESS);
  }
  if (view.y > 0) {
    PatBlt(dc, 0, 0, client.right, view.y, BLACKNESS);
    PatBlt(dc, 0, view.y + view.height, client.right, client.bottom - view.y - view.height,
           BLACKNESS);
  }
  if (!pixels_ || view.width == 0 || view.height == 0) return;
  SetStretchBltMode(dc, COLORONCOLOR);  // nearest neighbour: crisp pixels
  StretchDIBits(dc, view.x, view.y, view.width, view.height, 0, 0, gameWidth_, gameHeight_, pixels_,
                &picture_, DIB_RGB_COLORS, SRCCOPY);
}

void ScaledWindow::toggleFullscreen() {
  if (!fullscreen_) {
    GetWindowPlacement(window_, &windowed_);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& screen = monitor.rcMonitor;
    SetWindowLongPtrA(window_, GWL_STYLE, kFullscreenStyle | WS_VISIBLE);
    SetWindowPos(window_, HWND_TOP, screen.left, screen.top, screen.right - screen.left,
                 screen.bottom - screen.top, SWP_FRAMECHANGED | SWP_NOOWNERZORDER);
  } else {
    SetWindowLongPtrA(window_, GWL_STYLE, kWindowedStyle | WS_VISIBLE);
    SetWindowPlacement(window_, &windowed_);
    SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOOWNERZORDER | SWP_FRAMECHANGED);
  }
  fullscreen_ = !fullscreen_;
  ShowCursor(fullscreen_ ? FALSE : TRUE);
}

LRESULT CALLBACK ScaledWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self =
        static_cast<ScaledWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<ScaledWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self) return DefWindowProcA(window, message, wParam, lParam);
  return self->handle(message, wParam, lParam);
}

LRESULT ScaledWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DESTROY: requests_.close = true; return 0;
    case WM_ERASEBKGND: return 1;  // the bars and the picture cover every pixel
    case WM_PAINT: {
      PAINTSTRUCT paintStruct;
      HDC dc = BeginPaint(window_, &paintStruct);
      paint(dc);
      EndPaint(window_, &paintStruct);
      return 0;
    }
    case WM_DPICHANGED: {
      // Moved onto a screen of another scale: Windows suggests the same size in its pixels.
      if (fullscreen_) return 0;
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (handleKey(message, wParam, lParam)) return 0;
      break;
    case WM_SYSCHAR:
      if (wParam == '\r') return 0;  // Alt+Enter is handled; no beep
      break;
    default: break;
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}

bool ScaledWindow::handleKey(UINT message, WPARAM key, LPARAM flags) {
  if (!firstPress(flags)) return false;
  if (key == VK_F11 || (message == WM_SYSKEYDOWN && key == VK_RETURN && altHeld(flags))) {
    toggleFullscreen();
    if (switched_) switched_(fullscreen_);
    return true;
  }
  // Letter keys follow the keyboard layout, as the game's bound keys do. Two presses before one
  // look cancel out, as they would one update apart.
  const int sided = sidedVirtualKey(key, flags);
  if (message == WM_KEYDOWN &&
      std::find(pauseKeys_.begin(), pauseKeys_.end(), sided) != pauseKeys_.end()) {
    requests_.pause = !requests_.pause;
    return true;
  }
  if (message == WM_KEYDOWN && key == 'M') {
    requests_.toggleSound = !requests_.toggleSound;
    return true;
  }
  return false;
}
