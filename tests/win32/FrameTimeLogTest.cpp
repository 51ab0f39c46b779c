// The frame time log: off without KELVARON_FRAME_LOG; with it, the counter frequency and then one
// rising counter value per frame.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "FrameTimeLog.h"

namespace {

std::vector<long long> readNumbers(const char* path) {
  std::ifstream in(path);
  std::vector<long long> numbers;
  for (long long n; in >> n;) numbers.push_back(n);
  return numbers;
}

TEST(FrameTimeLog, WritesTheFrequencyThenOneCounterValuePerFrame) {
  const char* path = "frame-time-log-test.txt";
  std::remove(path);
  _putenv_s(FrameTimeLog::kVariable, path);
  {
    FrameTimeLog log;
    for (int i = 0; i < 3; ++i) log.frameStarted();
  }
  _putenv_s(FrameTimeLog::kVariable, "");
  const std::vector<long long> numbers = readNumbers(path);
  ASSERT_EQ(numbers.size(), 4u);
  EXPECT_GT(numbers[0], 0);
  EXPECT_LE(numbers[1], numbers[2]);
  EXPECT_LE(numbers[2], numbers[3]);
  std::remove(path);
}

}  // namespace
