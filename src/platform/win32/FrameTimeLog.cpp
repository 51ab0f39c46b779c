#include "FrameTimeLog.h"

#include <windows.h>

#include <cstdlib>

FrameTimeLog::FrameTimeLog() {
  const char* path = std::getenv(kVariable);
  if (!path || !*path) return;
  file_ = std::fopen(path, "w");
  if (!file_) return;
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  std::fprintf(file_, "%lld\n", static_cast<long long>(frequency.QuadPart));
}

FrameTimeLog::~FrameTimeLog() {
  if (file_) std::fclose(file_);
}

void FrameTimeLog::frameStarted() {
  if (!file_) return;
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  std::fprintf(file_, "%lld\n", static_cast<long long>(now.QuadPart));
}
