// CameraView: what scene objects read of the camera while they update and
// draw: where the eye is and where it looks, the camera's own position, the
// scene clock (seconds of scene time) and whether the scene uses fog. The
// scene director owns the one view of the flight and updates it every frame.
#pragma once
#include "base/math.h"

struct CameraView {
  Vec3 position{0, 0, 0};
  Vec3 eye{0, 0, 0};
  Vec3 look{0, 0, -1};
  float sceneClock = 0;  // seconds of scene time, reset when a track ends
  bool sceneFog = false;
};

// The view transform of a frame: a look-at from the eye towards eye + look,
// with up as the vertical. Needs the GL context current.
void ApplyView(const CameraView& view, Vec3 up);
