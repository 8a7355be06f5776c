#include "base/random.h"

int32_t RandomGenerator::Next() {
  state_ = state_ * 214013u + 2531011u;  // modulo 2^32 by unsigned wrap-around
  return int32_t((state_ >> 16) & 0x7FFF);
}

int32_t RandomGenerator::NextScaled(double factor) {
  return int32_t(Next() / double(Max) * factor);
}

float RandomGenerator::NextFraction() { return float(Next()) / float(Max); }
