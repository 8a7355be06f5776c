// VirtualClock: the headless performance counter. It stands still until the
// caller advances it, so a run is the same on every machine.
#pragma once
#include <cmath>
#include <cstdint>

class VirtualClock {
 public:
  static constexpr int64_t Frequency = 10'000'000;  // ticks per second

  int64_t Ticks() const { return ticks_; }
  // Moves on by seconds (rounded to whole ticks); negative values are ignored.
  void Advance(double seconds) {
    if (seconds > 0) ticks_ += std::llround(seconds * double(Frequency));
  }

 private:
  int64_t ticks_ = 0;
};
