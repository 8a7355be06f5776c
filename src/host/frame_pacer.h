// FramePacer: keeps the frame loop to a frame rate, so that it never
// presents more frames than the display shows (or than FrameLimit asks).
// Frames are due on a steady cadence of the platform's counter ticks; a loop
// that falls more than a frame behind starts the cadence again instead of
// rushing to catch up.
#pragma once
#include <cstdint>

#include "settings/settings.h"

// The frames per second to keep to: FrameLimit when set, else the display's
// refresh rate (60 when unknown). 0 when the buffer swap itself waits for the
// display's retrace and nothing less was asked for.
int PacedFrameRate(const Settings& settings, int displayRefreshRate, bool swapWaitsForRetrace);

class FramePacer {
 public:
  // framesPerSecond 0: never waits.
  FramePacer(int framesPerSecond, int64_t counterFrequency);

  // Ticks left before the next frame may start; 0 when it may start now.
  int64_t TicksUntilDue(int64_t now) const;
  // A frame starts at now: the next one is due a period later.
  void FrameStarted(int64_t now);
  // After a pause (the window hidden): the next frame may start at once.
  void Restart() { due_ = 0; }

 private:
  int64_t period_;
  int64_t due_ = 0;
};
