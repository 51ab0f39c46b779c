#include "SettingsFile.h"

#include <fstream>
#include <iterator>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

bool writeWhole(const std::filesystem::path& file, const std::string& text) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << text;
  return static_cast<bool>(out.flush());
}

// Replaces `to` by `from` in one step.
bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
#ifdef _WIN32
  return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
#else
  std::error_code error;
  std::filesystem::rename(from, to, error);
  return !error;
#endif
}

}  // namespace

SettingsFile::SettingsFile(std::filesystem::path file) : file_(std::move(file)) {}

std::optional<std::string> SettingsFile::read() {
  std::ifstream in(file_, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool SettingsFile::write(const std::string& text) {
  std::error_code error;
  if (file_.has_parent_path()) std::filesystem::create_directories(file_.parent_path(), error);
  std::filesystem::path temporary = file_;
  temporary += ".new";
  if (writeWhole(temporary, text) && replaceFile(temporary, file_)) return true;
  std::filesystem::remove(temporary, error);
  return false;
}

void SettingsFile::keepAside(const std::string& text) {
  std::filesystem::path aside = file_;
  aside += ".bad";
  writeWhole(aside, text);
}

std::string SettingsFile::asideName() const { return file_.filename().string() + ".bad"; }
