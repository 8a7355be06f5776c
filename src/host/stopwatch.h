// Stopwatch: elapsed seconds between two readings of the platform's counter.
// Stop does not restart; the frame loop starts it again itself.
#pragma once
#include <cstdint>

#include "platform/platform.h"

class Stopwatch {
 public:
  void Start(Platform& platform) { start_ = platform.QueryCounter(); }
  // reciprocal: 1 / the counter's frequency, computed once for the run.
  double Stop(Platform& platform, double reciprocal) {
    last_ = double(platform.QueryCounter() - start_) * reciprocal;
    return last_;
  }
  int64_t startCount() const { return start_; }

 private:
  int64_t start_ = 0;
  double last_ = 0;
};
