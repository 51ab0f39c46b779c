// The Windows program: one fixed-size window whose 10 ms timer drives every frame.
#include <windows.h>

#include "FrameRenderer.h"
#include "FrameTimeLog.h"
#include "TimerResolution.h"
#include "WaveOutSound.h"
#include "Win32ControlSource.h"
#include "game/World.h"
#include "resource.h"

namespace {

constexpr UINT_PTR kFrameTimer = 1;
constexpr UINT kFrameMilliseconds = 10;
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// What the window procedure works on. Built before the window opens, gone after the loop ends.
struct Program {
  Win32ControlSource controls;
  World world;
  FrameTimeLog frameLog;
  WaveOutSound sound;
};
Program* program = nullptr;

void updateClientRect(HWND window, World& world) {
  RECT client;
  GetClientRect(window, &client);
  world.rc = Rect{client.left, client.top, client.right, client.bottom};
}

void onTimer(HWND window, Program& p) {
  p.frameLog.frameStarted();
  runFrame(window, p.world, &p.sound);
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
    case WM_KEYDOWN:  // M, not a held key's repeat: sound off or on again
      if (wParam == 'M' && !(lParam & (1 << 30))) program->sound.toggle();
      return DefWindowProcA(window, message, wParam, lParam);
    case WM_TIMER:
      if (!program->world.windowDestroyed()) onTimer(window, *program);
      return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
  }
}

void registerWindowClass(HINSTANCE instance) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = 0;
  windowClass.lpfnWndProc = WndProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_KELVARON));
  windowClass.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_KELVARON),
                                                      IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                      GetSystemMetrics(SM_CYSMICON), 0));
  windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = "ModelApp";
  RegisterClassExA(&windowClass);
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

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  Program state;
  state.world.input.setSource(&state.controls);
  state.world.recordReplays = true;  // every game goes into replays/ beside highscores.csv
  program = &state;
  const TimerResolution timerResolution;

  registerWindowClass(instance);
  HWND window = CreateWindowExA(0, "ModelApp", "Kelvaron", kWindowStyle, CW_USEDEFAULT,
                                CW_USEDEFAULT, 800, 600, nullptr, nullptr, instance, nullptr);
  ShowWindow(window, showCommand);
  UpdateWindow(window);
  const int result = runMessageLoop();
  program = nullptr;
  return result;
}
