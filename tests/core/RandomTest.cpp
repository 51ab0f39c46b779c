#include <gtest/gtest.h>

#include "game/Random.h"

TEST(Random, DrawsTheRuntimeSequenceFromSeedOne) {
  Random random;
  const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
  for (int value : expected) EXPECT_EQ(random.rand(), value);
}

TEST(Random, StaysWithinFifteenBitsOverALongRun) {
  Random random;
  int lowest = 32767;
  int highest = 0;
  for (int i = 0; i < 200000; ++i) {
    const int value = random.rand();
    lowest = std::min(lowest, value);
    highest = std::max(highest, value);
  }
  EXPECT_EQ(lowest, 0);
  EXPECT_EQ(highest, 32767);
}
