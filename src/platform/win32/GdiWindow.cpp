#include "GdiWindow.h"

#include <cstdint>

#include "DpiSupport.h"
#include "FrameLog.h"
#include "FrameRenderer.h"
#include "GameFrame.h"
#include "SteadyTimer.h"
#include "TimerResolution.h"
#include "WindowClass.h"
#include "shell/Session.h"

namespace {

constexpr UINT_PTR kFrameTimer = 1;
constexpr UINT kFrameMilliseconds = 10;
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

constexpr const char* kClassName = "ModelApp";

// What the window procedure works on, while the window lives. The frame is silent: the original
// program had no sound.
struct Program {
  World& world;
  GameFrame frame;
  FrameLog* frameLog;
};
Program* program = nullptr;

void updateClientRect(HWND window, World& world) {
  RECT client;
  GetClientRect(window, &client);
  world.rc = Rect{client.left, client.top, client.right, client.bottom};
}

void onTimer(HWND window, Program& p) {
  const std::int64_t started = steadyNowUs();
  runFrame(window, p.frame, p.world.rc);
  if (p.frameLog) p.frameLog->record(started, steadyNowUs());
  // The title's "Quit": this frame is finished and shown, now the window goes.
  if (p.world.windowDestroyed()) DestroyWindow(window);
}

LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      SetTimer(window, kFrameTimer, kFrameMilliseconds, nullptr);
      program->world.start();
      return 0;
    case WM_DESTROY:
      program->world.shutdown();
      KillTimer(window, kFrameTimer);
      PostQuitMessage(0);
      return 0;
    case WM_SIZE: updateClientRect(window, program->world); return 0;
    case WM_PAINT: {
      // The next timer frame repaints the whole client area.
      PAINTSTRUCT paint;
      BeginPaint(window, &paint);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_TIMER:
      if (!program->world.windowDestroyed()) onTimer(window, *program);
      return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
  }
}

int runMessageLoop() {
  MSG message{};
  while (GetMessageA(&message, nullptr, 0, 0)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

int runGdiWindow(HINSTANCE instance, int showCommand, Session& session, FrameLog* frameLog) {
  Program state{session.world, GameFrame(session, nullptr), frameLog};
  program = &state;
  const TimerResolution timerResolution;
  dpi::makeThreadUnaware();

  registerWindowClass(instance, kClassName, WndProc, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
  HWND window = CreateWindowExA(0, kClassName, "Kelvaron", kWindowStyle, CW_USEDEFAULT,
                                CW_USEDEFAULT, 800, 600, nullptr, nullptr, instance, nullptr);
  ShowWindow(window, showCommand);
  UpdateWindow(window);
  const int result = runMessageLoop();
  program = nullptr;
  return result;
}
