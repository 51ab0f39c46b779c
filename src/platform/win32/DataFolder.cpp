#include "DataFolder.h"

#include <windows.h>

#include <cstdlib>
#include <system_error>

namespace {

const std::filesystem::path kTable = "highscores.csv";

// The folder's access rules decide, which only an attempt shows: a file made and gone at once.
bool startFolderWritable() {
  const HANDLE probe =
      CreateFileW(L"kelvaron-write-probe.tmp", GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                  FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (probe == INVALID_HANDLE_VALUE) return false;
  CloseHandle(probe);
  return true;
}

}  // namespace

std::filesystem::path highscoreLocation(bool startFolderWritable, const wchar_t* appData,
                                        const std::filesystem::path& dataDir) {
  if (!dataDir.empty()) return dataDir / kTable;
  if (startFolderWritable || !appData || !*appData) return kTable;
  return std::filesystem::path(appData) / L"Kelvaron" / kTable;
}

std::filesystem::path highscoreLocationHere(const std::filesystem::path& dataDir) {
  std::filesystem::path table =
      highscoreLocation(dataDir.empty() && startFolderWritable(), _wgetenv(L"APPDATA"), dataDir);
  if (table.has_parent_path()) {
    std::error_code ignored;  // a folder that cannot be made shows when the table is saved
    std::filesystem::create_directories(table.parent_path(), ignored);
  }
  return table;
}
