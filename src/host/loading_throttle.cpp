#include "host/loading_throttle.h"

#include <algorithm>

namespace {

constexpr int UnknownRefreshRate = 60;
// Loading time allowed per unit of presenting time: presents take at most 1 / (1 + this).
constexpr int64_t LoadingPerPresent = 9;

}  // namespace

LoadingThrottle::LoadingThrottle(int displayRefreshRate, int64_t counterFrequency)
    : period_(counterFrequency / (displayRefreshRate > 0 ? displayRefreshRate : UnknownRefreshRate)) {}

void LoadingThrottle::Presented(int64_t start, int64_t end) {
  due_ = end + std::max(period_, LoadingPerPresent * (end - start));
}
