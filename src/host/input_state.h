// What the flight window has seen of the user: keys, clicks and mouse
// travel. The window messages feed it; the frame loop reads it for the exit
// rules and clears the travel once a second.
#pragma once
#include <cstdint>

#include "platform/platform.h"

inline constexpr float MouseExitThreshold = 7.0f;  // 24 pixels of travel end the run, 23 do not
inline constexpr float MouseDeltaScale = 0.3f;

struct InputState {
  uint8_t KeyTable[256] = {};  // entry 0: any key or click seen
  float MouseDeltaX = 0;
  float MouseDeltaY = 0;
  float MouseTravel = 0;

  // The input rows of the flight window's message handling. centre is the
  // client-area centre in screen coordinates.
  void HandleEvent(const InputEvent& event, int centreX, int centreY);
  // Moves the pending deltas into the travel; true when there were any, so
  // the caller pulls the cursor back to the centre.
  bool ConsumeMouseDeltas();
  bool ExitRequested(bool mouseExit) const;
};
