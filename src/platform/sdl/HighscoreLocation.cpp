#include "HighscoreLocation.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace {

const std::filesystem::path kTable = "highscores.csv";

// Only an absolute path counts; anything else in the variable is to be ignored.
bool usable(const char* directory) { return directory && directory[0] == '/'; }

std::filesystem::path userDataTable(const DataFolderFacts& facts) {
  if (usable(facts.xdgDataHome))
    return std::filesystem::path(facts.xdgDataHome) / "kelvaron" / kTable;
  if (usable(facts.home))
    return std::filesystem::path(facts.home) / ".local/share/kelvaron" / kTable;
  return kTable;
}

// Moves `name` from the working directory into `folder` unless `folder` has one already; across
// file systems by copying.
void moveIfMissing(const std::filesystem::path& name, const std::filesystem::path& folder) {
  std::error_code error;
  const std::filesystem::path to = folder / name;
  if (!std::filesystem::exists(name, error) || std::filesystem::exists(to, error)) return;
  std::filesystem::rename(name, to, error);
  if (!error) return;
  std::filesystem::copy(name, to, std::filesystem::copy_options::recursive, error);
  if (!error) std::filesystem::remove_all(name, error);
}

bool installedHere() {
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  return !error && installedProgramFolder(executable.parent_path());
}

}  // namespace

std::filesystem::path highscoreLocation(const DataFolderFacts& facts) {
  if (facts.dataDirOption && *facts.dataDirOption) {
    return std::filesystem::path(facts.dataDirOption) / kTable;
  }
  if (facts.installed || !facts.workingDirectoryWritable) return userDataTable(facts);
  return kTable;
}

bool installedProgramFolder(const std::filesystem::path& folder) {
  const std::filesystem::path name = folder.filename();
  return name == "games" || name == "bin";
}

std::filesystem::path highscoreLocationHere(const char* dataDirOption) {
  DataFolderFacts facts;
  facts.dataDirOption = dataDirOption;
  facts.installed = installedHere();
  facts.workingDirectoryWritable = access(".", W_OK) == 0;
  facts.xdgDataHome = std::getenv("XDG_DATA_HOME");
  facts.home = std::getenv("HOME");
  const std::filesystem::path table = highscoreLocation(facts);
  if (!table.has_parent_path()) return table;
  std::error_code ignored;  // a directory that cannot be made shows when the table is saved
  std::filesystem::create_directories(table.parent_path(), ignored);
  if (facts.installed && !(dataDirOption && *dataDirOption)) {
    for (const char* name : {"highscores.csv", "replays", "sound.txt"}) {
      moveIfMissing(name, table.parent_path());
    }
  }
  return table;
}
