#pragma once

#include <chrono>
#include <cstdio>
#include <string>

// One line per frame: the steady-clock time the frame started and how long its update, drawing and
// presenting took, both in microseconds, so the frame rate, the spread of frame intervals and the
// cost of a frame can be measured from outside.
class FrameLog {
 public:
  // Throws std::runtime_error when the file cannot be created.
  explicit FrameLog(const std::string& path);
  ~FrameLog();
  FrameLog(const FrameLog&) = delete;
  FrameLog& operator=(const FrameLog&) = delete;

  void frameDone(std::chrono::steady_clock::time_point started,
                 std::chrono::steady_clock::time_point finished);

 private:
  std::FILE* file_;
};
