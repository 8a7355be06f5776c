#include "host/frame_pacer.h"

namespace {

constexpr int UnknownRefreshRate = 60;

}  // namespace

int PacedFrameRate(const Settings& settings, int displayRefreshRate, bool swapWaitsForRetrace) {
  if (settings.FrameLimit > 0) return settings.FrameLimit;
  if (swapWaitsForRetrace) return 0;
  return displayRefreshRate > 0 ? displayRefreshRate : UnknownRefreshRate;
}

FramePacer::FramePacer(int framesPerSecond, int64_t counterFrequency)
    : period_(framesPerSecond > 0 ? counterFrequency / framesPerSecond : 0) {}

int64_t FramePacer::TicksUntilDue(int64_t now) const { return now < due_ ? due_ - now : 0; }

void FramePacer::FrameStarted(int64_t now) {
  if (period_ == 0) return;
  due_ = (due_ == 0 || now - due_ >= period_) ? now + period_ : due_ + period_;
}
