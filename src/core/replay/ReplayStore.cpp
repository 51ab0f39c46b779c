#include "replay/ReplayStore.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <regex>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char kMark[] = "-hs";
const char kExtension[] = ".kvr";

bool isReplayName(const std::string& name) {
  static const std::regex pattern(R"(\d{8}-\d{6}-\d{10}(-hs)?(-\d+)?\.kvr)");
  return std::regex_match(name, pattern);
}

bool isMarked(const std::string& name) { return name.find(kMark) != std::string::npos; }

bool writeFile(const fs::path& file, const std::string& bytes, std::string& error) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out) {
    error = "cannot create " + file.string() + ": " + std::strerror(errno);
    return false;
  }
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  if (!out) {
    error = "cannot write " + file.string() + ": " + std::strerror(errno);
    return false;
  }
  return true;
}

// The name itself, or with "-2", "-3", ... when a replay of the same second and score exists.
fs::path freeName(const fs::path& folder, const std::string& name) {
  const std::string stem = name.substr(0, name.size() - std::strlen(kExtension));
  fs::path candidate = folder / name;
  std::error_code ec;
  for (int n = 2; fs::exists(candidate, ec) && n < 1000; ++n) {
    candidate = folder / (stem + "-" + std::to_string(n) + kExtension);
  }
  return candidate;
}

}  // namespace

fs::path replayFolder(const fs::path& highscoreFile) {
  return highscoreFile.parent_path() / "replays";
}

std::string replayFileName(const ReplayFile& replay, std::int64_t seconds) {
  const auto time = static_cast<std::time_t>(seconds);
  const std::tm* local = std::localtime(&time);
  char date[32] = "00000000-000000";
  if (local) {
    std::snprintf(date, sizeof date, "%04d%02d%02d-%02d%02d%02d", (local->tm_year + 1900) % 10000,
                  local->tm_mon + 1, local->tm_mday, local->tm_hour, local->tm_min, local->tm_sec);
  }
  char name[64];
  std::snprintf(name, sizeof name, "%s-%010d%s%s", date, std::max(replay.final.score, 0),
                replay.ranked ? kMark : "", kExtension);
  return name;
}

bool saveReplay(const fs::path& folder, const ReplayFile& replay, std::int64_t seconds,
                std::string& error) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec) {
    error = "cannot make " + folder.string() + ": " + ec.message();
    return false;
  }
  const fs::path target = freeName(folder, replayFileName(replay, seconds));
  fs::path temporary = target;
  temporary += ".tmp";
  if (!writeFile(temporary, encodeReplay(replay), error)) {
    fs::remove(temporary, ec);
    return false;
  }
  fs::rename(temporary, target, ec);
  if (ec) {
    error = "cannot rename " + temporary.string() + " to " + target.string() + ": " + ec.message();
    fs::remove(temporary, ec);
    return false;
  }
  pruneReplays(folder);
  return true;
}

void pruneReplays(const fs::path& folder, std::size_t newest) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::string name = it->path().filename().string();
    if (isReplayName(name)) names.push_back(std::move(name));
  }
  if (names.size() <= newest) return;
  // Dates lead the names: sorted backwards, the newest come first.
  std::sort(names.begin(), names.end(), std::greater<>());
  for (std::size_t i = newest; i < names.size(); ++i) {
    if (!isMarked(names[i])) fs::remove(folder / names[i], ec);
  }
}
