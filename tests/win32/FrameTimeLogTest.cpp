// The frame time log: the counter frequency, then one rising counter value per frame.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "FrameTimeLog.h"

TEST(FrameTimeLog, WritesTheFrequencyThenOneCounterValuePerFrame) {
  const char* path = "frame-time-log-test.txt";
  std::remove(path);
  _putenv_s(FrameTimeLog::kVariable, path);
  {
    FrameTimeLog log;
    for (int i = 0; i < 3; ++i) log.frameStarted();
  }
  _putenv_s(FrameTimeLog::kVariable, "");
  std::ifstream in(path);
  std::vector<long long> numbers;
  for (long long n; in >> n;) numbers.push_back(n);
  ASSERT_EQ(numbers.size(), 4u);
  EXPECT_GT(numbers[0], 0);
  EXPECT_LE(numbers[1], numbers[2]);
  EXPECT_LE(numbers[2], numbers[3]);
  in.close();
  std::remove(path);
}
