// kelvaron.exe carries its window icon as resource 101: 16, 24, 32 and 48 pixels, 32-bit colour,
// the ship drawn on a transparent field.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

TEST(WindowIcon, HasEverySizeIn32BitColourOpaqueInTheMiddleAndClearInTheCorners) {
  const char* exe = std::getenv("KELVARON_EXE");
  if (!exe) GTEST_SKIP() << "KELVARON_EXE names no program";
  const HMODULE module = LoadLibraryExA(exe, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr) << "cannot open " << exe;
  const auto resource = [&](LPCSTR type, int id, DWORD* size) -> BYTE* {
    const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), type);
    if (!found) return nullptr;
    *size = SizeofResource(module, found);
    return static_cast<BYTE*>(LockResource(LoadResource(module, found)));
  };
  DWORD bytes = 0;
  BYTE* group = resource(MAKEINTRESOURCEA(14), 101, &bytes);  // RT_GROUP_ICON
  ASSERT_NE(group, nullptr);
  for (int size : {16, 24, 32, 48}) {
    SCOPED_TRACE(size);
    // The closest image the icon has; it must be of exactly this size.
    const int id = LookupIconIdFromDirectoryEx(group, TRUE, size, size, 0);
    BYTE* image = resource(MAKEINTRESOURCEA(3), id, &bytes);  // RT_ICON
    ASSERT_NE(image, nullptr);
    const auto* info = reinterpret_cast<const BITMAPINFOHEADER*>(image);
    EXPECT_EQ(info->biWidth, size);
    ASSERT_EQ(info->biBitCount, 32);
    // Colour rows run bottom-up, 0xAARRGGBB, right after the header.
    const auto* pixels = reinterpret_cast<const DWORD*>(image + info->biSize);
    const auto alphaAt = [&](int x, int y) { return pixels[(size - 1 - y) * size + x] >> 24; };
    EXPECT_EQ(alphaAt(size / 2, size / 2), 0xFFu);
    EXPECT_EQ(alphaAt(0, 0), 0u);
    EXPECT_EQ(alphaAt(size - 1, size - 1), 0u);
    const HICON icon = CreateIconFromResourceEx(image, bytes, TRUE, 0x00030000, size, size, 0);
    EXPECT_NE(icon, nullptr);  // Windows itself can make an icon of it
    if (icon) DestroyIcon(icon);
  }
  FreeLibrary(module);
}
