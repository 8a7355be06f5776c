#include "director/random.h"

#include <gtest/gtest.h>

namespace {

TEST(RandomGenerator, DrawsTheCLibrarySequence) {
  RandomGenerator fresh;
  for (int32_t expected : {41, 18467, 6334, 26500, 19169}) EXPECT_EQ(fresh.Next(), expected);
  RandomGenerator seeded;
  seeded.Seed(12345);
  for (int32_t expected : {7584, 19164, 25795}) EXPECT_EQ(seeded.Next(), expected);
  // The state wraps modulo 2^32.
  seeded.Seed(0xFFFFFFFFu);
  for (int32_t expected : {35, 29739, 3374}) EXPECT_EQ(seeded.Next(), expected);
}

TEST(RandomGenerator, ScaledValuesTruncateAndNeverReachTheFactor) {
  RandomGenerator top;
  top.Seed(30091);  // first draw 32767
  EXPECT_EQ(top.NextScaled(3.9), 3);
  RandomGenerator bottom;
  bottom.Seed(20057);  // first draw 0
  EXPECT_EQ(bottom.NextScaled(2.9), 0);
  RandomGenerator first;
  EXPECT_EQ(first.NextScaled(3.9), 0);  // 41 / 32767 * 3.9
  EXPECT_EQ(first.NextScaled(3.9), 2);  // 18467 / 32767 * 3.9 = 2.198
  top.Seed(30091);
  EXPECT_EQ(top.NextFraction(), 1.0f);
  RandomGenerator fraction;
  EXPECT_FLOAT_EQ(fraction.NextFraction(), 41.0f / 32767);
}

}  // namespace
