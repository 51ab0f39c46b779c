#include "GdiObjectCount.h"

#include <windows.h>
#include <winternl.h>

#include <cstddef>
#include <cstdint>

namespace {

// One entry of the GDI handle table that the process environment block points to; the same
// 24-byte layout on Windows and Wine. A type of 0 marks a free entry.
struct GdiHandleEntry {
  std::uint64_t object;
  std::uint32_t owner;
  std::uint16_t unique;
  std::uint8_t type;
  std::uint8_t flags;
  std::uint64_t user;
};
static_assert(sizeof(GdiHandleEntry) == 24);

constexpr std::size_t kGdiHandleTableOffset = 0xF8;  // in the 64-bit PEB
constexpr int kGdiHandleTableEntries = 0x10000;

int countHandleTableEntries() {
  PROCESS_BASIC_INFORMATION process{};
  if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &process,
                                sizeof process, nullptr) != 0) {
    return -1;
  }
  const auto* peb = reinterpret_cast<const unsigned char*>(process.PebBaseAddress);
  const auto* table = *reinterpret_cast<const GdiHandleEntry* const*>(peb + kGdiHandleTableOffset);
  if (!table) return -1;
  int count = 0;
  for (int i = 0; i < kGdiHandleTableEntries; ++i) {
    if (table[i].type != 0) ++count;
  }
  return count;
}

}  // namespace

bool runningUnderWine() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

int gdiObjectCount() {
  if (runningUnderWine()) return countHandleTableEntries();
  return static_cast<int>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
}
