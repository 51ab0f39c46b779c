#include "HighscoreLocation.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace {

const std::filesystem::path kTable = "highscores.csv";

// Only an absolute path counts; anything else in the variable is to be ignored.
bool usable(const char* directory) { return directory && directory[0] == '/'; }

}  // namespace

std::filesystem::path highscoreLocation(bool workingDirectoryWritable, const char* xdgDataHome,
                                        const char* home) {
  if (workingDirectoryWritable) return kTable;
  if (usable(xdgDataHome)) return std::filesystem::path(xdgDataHome) / "kelvaron" / kTable;
  if (usable(home)) return std::filesystem::path(home) / ".local/share/kelvaron" / kTable;
  return kTable;
}

std::filesystem::path highscoreLocationHere() {
  const bool writable = access(".", W_OK) == 0;
  std::filesystem::path table =
      highscoreLocation(writable, std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
  if (table.has_parent_path()) {
    std::error_code ignored;  // a directory that cannot be made shows when the table is saved
    std::filesystem::create_directories(table.parent_path(), ignored);
  }
  return table;
}
