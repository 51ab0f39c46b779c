#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// One line per timed piece of work (a game update, a present): when it started on the steady clock
// and how long it took, both in microseconds, so the rates, the spread of intervals and the cost of
// each can be measured from outside.
class FrameLog {
 public:
  // Throws std::runtime_error when the file cannot be created.
  explicit FrameLog(const std::string& path);
  ~FrameLog();
  FrameLog(const FrameLog&) = delete;
  FrameLog& operator=(const FrameLog&) = delete;

  void record(std::int64_t startUs, std::int64_t finishUs);

 private:
  std::FILE* file_;
};
