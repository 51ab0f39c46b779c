// kelvaron.exe carries its window icon as resource 101: 16, 24, 32 and 48 pixels, 32-bit colour,
// the ship drawn on a transparent field.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <set>
#include <vector>

namespace {

#pragma pack(push, 2)
struct GroupIconEntry {
  BYTE width;
  BYTE height;
  BYTE colours;
  BYTE reserved;
  WORD planes;
  WORD bitsPerPixel;
  DWORD bytes;
  WORD id;
};
struct GroupIconHeader {
  WORD reserved;
  WORD type;
  WORD count;
};
#pragma pack(pop)

constexpr int kIconResource = 101;

class WindowIcon : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* exe = std::getenv("KELVARON_EXE");
    if (!exe) GTEST_SKIP() << "KELVARON_EXE names no program";
    module_ = LoadLibraryExA(exe, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module_, nullptr) << "cannot open " << exe;
  }
  void TearDown() override {
    if (module_) FreeLibrary(module_);
  }

  const BYTE* resource(LPCSTR type, int id, DWORD* size = nullptr) const {
    HRSRC found = FindResourceA(module_, MAKEINTRESOURCEA(id), type);
    if (!found) return nullptr;
    if (size) *size = SizeofResource(module_, found);
    return static_cast<const BYTE*>(LockResource(LoadResource(module_, found)));
  }

  HMODULE module_ = nullptr;
};

TEST_F(WindowIcon, HasTheFourSizesIn32BitColour) {
  const BYTE* group = resource(MAKEINTRESOURCEA(14), kIconResource);  // RT_GROUP_ICON
  ASSERT_NE(group, nullptr);
  const auto* header = reinterpret_cast<const GroupIconHeader*>(group);
  const auto* entries = reinterpret_cast<const GroupIconEntry*>(header + 1);
  std::set<int> sizes;
  for (int i = 0; i < header->count; ++i) {
    EXPECT_EQ(entries[i].width, entries[i].height);
    EXPECT_EQ(entries[i].bitsPerPixel, 32);
    sizes.insert(entries[i].width);
  }
  EXPECT_EQ(sizes, (std::set<int>{16, 24, 32, 48}));
}

TEST_F(WindowIcon, EverySizeIsOpaqueInTheMiddleAndClearInTheCorners) {
  const BYTE* group = resource(MAKEINTRESOURCEA(14), kIconResource);
  ASSERT_NE(group, nullptr);
  for (int size : {16, 24, 32, 48}) {
    SCOPED_TRACE(size);
    const int id = LookupIconIdFromDirectoryEx(const_cast<BYTE*>(group), TRUE, size, size, 0);
    DWORD bytes = 0;
    const BYTE* image = resource(MAKEINTRESOURCEA(3), id, &bytes);  // RT_ICON
    ASSERT_NE(image, nullptr);
    const auto* info = reinterpret_cast<const BITMAPINFOHEADER*>(image);
    ASSERT_EQ(info->biWidth, size);
    ASSERT_EQ(info->biBitCount, 32);
    // Colour rows run bottom-up, 0xAARRGGBB, right after the header.
    const auto* pixels = reinterpret_cast<const DWORD*>(image + info->biSize);
    auto alphaAt = [&](int x, int y) { return pixels[(size - 1 - y) * size + x] >> 24; };
    EXPECT_EQ(alphaAt(size / 2, size / 2), 0xFFu);
    EXPECT_EQ(alphaAt(0, 0), 0u);
    EXPECT_EQ(alphaAt(size - 1, size - 1), 0u);
    // Windows itself can make an icon of it.
    HICON icon =
        CreateIconFromResourceEx(const_cast<BYTE*>(image), bytes, TRUE, 0x00030000, size, size, 0);
    EXPECT_NE(icon, nullptr);
    if (icon) DestroyIcon(icon);
  }
}

}  // namespace
