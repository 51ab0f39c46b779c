#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
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

// The logs the loop writes, where asked for.
struct LoopLogs {
  FrameLog* updates = nullptr;   // one line per game update
  FrameLog* presents = nullptr;  // one line per present
};

// The logs asked for on the command line (--frame-log, --present-log), open while it lives.
class LogFiles {
 public:
  // An empty path asks for no log. Throws std::runtime_error when a file cannot be created.
  LogFiles(const std::string& updatesPath, const std::string& presentsPath);

  LoopLogs loop();

 private:
  std::optional<FrameLog> updates_;
  std::optional<FrameLog> presents_;
};
