#include <gtest/gtest.h>

#include "game/Random.h"

TEST(Random, DrawsTheRuntimeSequenceFromSeedOne) {
  Random random;
  const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
  for (int value : expected) EXPECT_EQ(random.rand(), value);
}
