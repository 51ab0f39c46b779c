#include "FrameLog.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>

FrameLog::FrameLog(const std::string& path) : file_(std::fopen(path.c_str(), "w")) {
  if (!file_) throw std::runtime_error("cannot write " + path + ": " + std::strerror(errno));
}

FrameLog::~FrameLog() { std::fclose(file_); }

void FrameLog::frameDone(std::chrono::steady_clock::time_point started,
                         std::chrono::steady_clock::time_point finished) {
  using std::chrono::microseconds;
  const auto start = std::chrono::duration_cast<microseconds>(started.time_since_epoch()).count();
  const auto took = std::chrono::duration_cast<microseconds>(finished - started).count();
  std::fprintf(file_, "%lld %lld\n", static_cast<long long>(start), static_cast<long long>(took));
}
