// Keyframes: the camera's track and every dynamic object's own track. A key
// gives a time in seconds of scene time, a position and an orientation; the
// tangents and Bezier control points are computed when the track is prepared.
#pragma once
#include <vector>

#include "base/math.h"

struct Keyframe {
  float time = 0;
  bool freeze = false;  // the camera holds still from this key to the next
  Vec3 position{0, 0, 0};
  Vec3 gradient{0, 0, 0};        // always recomputed by the preparation
  Quat orientation{0, 0, 0, 0};  // as read; nothing normalises it
  Quat inControl{0, 1, 0, 1};
  Quat outControl{0, 1, 0, 1};
};

// The keys of one track in file order; times must not decrease.
using KeyframeTrack = std::vector<Keyframe>;
