#include "host/input_state.h"

#include <cmath>

void InputState::HandleEvent(const InputEvent& event, int centreX, int centreY) {
  switch (event.kind) {
    case InputEvent::Kind::KeyDown:
      KeyTable[0] = 1;
      KeyTable[event.key & 0xFF] = 1;
      break;
    case InputEvent::Kind::KeyUp:
      KeyTable[event.key & 0xFF] = 0;
      break;
    case InputEvent::Kind::ButtonDown:
      KeyTable[0] = 1;
      break;
    case InputEvent::Kind::MouseMove:
      MouseDeltaX = float(event.x - centreX) * MouseDeltaScale;
      MouseDeltaY = float(event.y - centreY) * MouseDeltaScale;
      break;
    default:
      break;
  }
}

// Travel is a distance, so a move to the left or upwards counts as much as
// one to the right or downwards, and moves never cancel each other.
bool InputState::ConsumeMouseDeltas() {
  if (MouseDeltaX == 0 && MouseDeltaY == 0) return false;
  MouseTravel += std::hypot(MouseDeltaX, MouseDeltaY);
  MouseDeltaX = 0;
  MouseDeltaY = 0;
  return true;
}

bool InputState::ExitRequested(bool mouseExit) const {
  return KeyTable[0] != 0 || (mouseExit && MouseTravel > MouseExitThreshold);
}
