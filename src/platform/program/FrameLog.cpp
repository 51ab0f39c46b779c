#include "FrameLog.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>

FrameLog::FrameLog(const std::string& path) : file_(std::fopen(path.c_str(), "w")) {
  if (!file_) throw std::runtime_error("cannot write " + path + ": " + std::strerror(errno));
}

FrameLog::~FrameLog() { std::fclose(file_); }

void FrameLog::record(std::int64_t startUs, std::int64_t finishUs) {
  std::fprintf(file_, "%lld %lld\n", static_cast<long long>(startUs),
               static_cast<long long>(finishUs - startUs));
}

LogFiles::LogFiles(const std::string& updatesPath, const std::string& presentsPath) {
  if (!updatesPath.empty()) updates_.emplace(updatesPath);
  if (!presentsPath.empty()) presents_.emplace(presentsPath);
}

LoopLogs LogFiles::loop() {
  return {updates_ ? &*updates_ : nullptr, presents_ ? &*presents_ : nullptr};
}
