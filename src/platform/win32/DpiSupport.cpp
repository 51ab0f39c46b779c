#include "DpiSupport.h"

namespace {

// Casting through a function type without parameters tells the compiler the cast is meant.
template <class Function>
Function lookUp(HMODULE module, const char* name) {
  if (!module) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

HMODULE user32() { return GetModuleHandleW(L"user32.dll"); }

// Loaded once and kept: it is a system DLL, but not one kelvaron.exe may import.
HMODULE shcore() {
  static const HMODULE module = LoadLibraryW(L"shcore.dll");
  return module;
}

UINT systemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : dpi::kDefault;
}

}  // namespace

namespace dpi {

void makeThreadUnaware() {
  using SetContext = HANDLE(WINAPI*)(HANDLE);
  static const auto set = lookUp<SetContext>(user32(), "SetThreadDpiAwarenessContext");
  const HANDLE unaware = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-1));
  if (set) set(unaware);
}

UINT ofMonitor(HMONITOR monitor) {
  using GetForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
  static const auto get = lookUp<GetForMonitor>(shcore(), "GetDpiForMonitor");
  constexpr int kEffectiveDpi = 0;
  UINT x = 0;
  UINT y = 0;
  if (get && get(monitor, kEffectiveDpi, &x, &y) == S_OK && x > 0) return x;
  return systemDpi();
}

UINT ofWindow(HWND window) {
  using GetForWindow = UINT(WINAPI*)(HWND);
  static const auto get = lookUp<GetForWindow>(user32(), "GetDpiForWindow");
  const UINT dpi = get ? get(window) : 0;
  return dpi > 0 ? dpi : ofMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}

SIZE windowSizeAround(int width, int height, DWORD style, UINT dpi) {
  using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto adjust = lookUp<AdjustForDpi>(user32(), "AdjustWindowRectExForDpi");
  RECT rect{0, 0, width, height};
  if (!adjust || !adjust(&rect, style, FALSE, 0, dpi)) AdjustWindowRectEx(&rect, style, FALSE, 0);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace dpi
