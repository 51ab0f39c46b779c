// The GDI canvas must give back every object it creates: the game draws hundreds of shapes a
// frame, 100 frames a second, and a process that leaks GDI objects stops drawing at 10,000.
#include <gtest/gtest.h>
#include <windows.h>
#include <winternl.h>

#include <cstdint>

#include "DibSurface.h"
#include "GdiCanvas.h"
#include "ScriptedPlay.h"
#include "shell/Session.h"

namespace {

// How many GDI objects this process holds. Windows answers through GetGuiResources; Wine answers 0
// there, so under Wine the used entries of the GDI handle table are counted: the table the 64-bit
// process environment block points to at 0xF8, 65536 entries of 24 bytes, a type of 0 when free.
int gdiObjectCount() {
  const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  if (!GetProcAddress(ntdll, "wine_get_version")) {
    return static_cast<int>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
  }
  PROCESS_BASIC_INFORMATION process{};
  if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &process,
                                sizeof process, nullptr) != 0) {
    return -1;
  }
  const auto* peb = reinterpret_cast<const unsigned char*>(process.PebBaseAddress);
  const auto* table = *reinterpret_cast<const unsigned char* const*>(peb + 0xF8);
  int count = 0;
  for (int i = 0; table && i < 0x10000; ++i) count += table[i * 24 + 14] != 0;
  return count;
}

TEST(GdiObjectCount, SeesAnObjectUntilItIsGivenBack) {
  const int before = gdiObjectCount();
  const HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
  EXPECT_EQ(gdiObjectCount(), before + 1);
  DeleteObject(pen);
  EXPECT_EQ(gdiObjectCount(), before);
}

// Title frames as the game starts, or game frames played by ScriptedPlay: 10,000 of them drawn
// through one canvas into one surface must leave as many GDI objects, and the same pen and brush
// selected, as they found.
TEST(GdiCanvasLeak, FramesGiveBackEveryObjectAndLeaveTheDeviceContextAsFound) {
  for (const bool playing : {false, true}) {
    SCOPED_TRACE(playing ? "game frames" : "title frames");
    ScriptedPlay play;
    Session session;
    World& world = session.world;
    world.input.setSource(&play);
    world.invincible = true;
    if (playing) world.UB->newgame();
    const DibSurface surface(world.rc.right, world.rc.bottom);
    GdiCanvas canvas(surface.dc());
    const auto frame = [&](int i) {
      if (playing) play.setFrame(i);
      world.windowfront = playing;  // the title, without the focus, stays the title
      update(session, canvas);
    };
    frame(0);  // GDI creates some stock objects on first use; they are not the frames' doing
    const int before = gdiObjectCount();
    const HGDIOBJ pen = GetCurrentObject(surface.dc(), OBJ_PEN);
    const HGDIOBJ brush = GetCurrentObject(surface.dc(), OBJ_BRUSH);
    for (int i = 1; i <= 10'000; ++i) frame(i);
    EXPECT_GT(before, 0);
    EXPECT_EQ(gdiObjectCount(), before);
    EXPECT_EQ(GetCurrentObject(surface.dc(), OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(surface.dc(), OBJ_BRUSH), brush);
  }
}

}  // namespace
