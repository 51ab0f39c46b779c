#pragma once

#include <cstdio>

// Writes the performance counter at the start of every frame to a text file, for measuring the
// frame rate and its spread. Off unless the environment names a file in KELVARON_FRAME_LOG. The
// first line is the counter's frequency in ticks per second, then one tick count per frame.
class FrameTimeLog {
 public:
  static constexpr const char* kVariable = "KELVARON_FRAME_LOG";

  FrameTimeLog();
  ~FrameTimeLog();
  FrameTimeLog(const FrameTimeLog&) = delete;
  FrameTimeLog& operator=(const FrameTimeLog&) = delete;

  void frameStarted();

 private:
  std::FILE* file_ = nullptr;
};
