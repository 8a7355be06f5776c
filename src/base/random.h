// The random generator every part of the flight draws from: the linear
// congruential generator of the Windows C library, carried out here so that
// every platform draws the same numbers from the same seed. One instance is
// owned by the application object; tests make their own.
#pragma once
#include <cstdint>

class RandomGenerator {
 public:
  static constexpr int32_t Max = 32767;

  // A fresh generator draws as if seeded with 1, like the C library.
  void Seed(uint32_t seed) { state_ = seed; }
  // The next value, 0..Max.
  int32_t Next();
  // Next() / 32767.0 times factor, truncated toward zero.
  int32_t NextScaled(double factor);
  // Next() / 32767 as a float in [0, 1].
  float NextFraction();

 private:
  uint32_t state_ = 1;
};
