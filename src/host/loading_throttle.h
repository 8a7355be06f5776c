// LoadingThrottle: which load steps present the loading screen. A present
// is due at most once per display refresh period, and no sooner after a
// slow present (software rendering of a large screen) than keeps presenting
// to about a tenth of the loading time. Times are the platform's counter
// ticks; the step counter advances on every step whether presented or not.
#pragma once
#include <cstdint>

class LoadingThrottle {
 public:
  // displayRefreshRate 0 (unknown) counts as 60 Hz.
  LoadingThrottle(int displayRefreshRate, int64_t counterFrequency);

  bool Due(int64_t now) const { return now >= due_; }
  // A present took from start to end.
  void Presented(int64_t start, int64_t end);

 private:
  int64_t period_;
  int64_t due_ = 0;
};
