#include "base/random.h"

#include <gtest/gtest.h>

namespace {

TEST(RandomGenerator, DrawsTheCLibrarySequence) {
  RandomGenerator fresh;  // as if seeded with 1
  for (int32_t expected : {41, 18467, 6334, 26500, 19169}) EXPECT_EQ(fresh.Next(), expected);
  RandomGenerator seeded;
  seeded.Seed(0xFFFFFFFFu);  // the state wraps modulo 2^32
  for (int32_t expected : {35, 29739, 3374}) EXPECT_EQ(seeded.Next(), expected);
}

TEST(RandomGenerator, ScaledValuesTruncateAndNeverReachTheFactor) {
  RandomGenerator top;
  top.Seed(30091);  // first draw 32767
  EXPECT_EQ(top.NextScaled(3.9), 3);
  top.Seed(30091);
  EXPECT_EQ(top.NextFraction(), 1.0f);
  RandomGenerator first;
  EXPECT_EQ(first.NextScaled(3.9), 0);  // 41 / 32767 * 3.9
  EXPECT_EQ(first.NextScaled(3.9), 2);  // 18467 / 32767 * 3.9 = 2.198
  EXPECT_FLOAT_EQ(first.NextFraction(), 6334.0f / 32767);
}

}  // namespace
