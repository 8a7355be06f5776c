// The camera: its flight along the scene's keyframe track and its look
// targets.
#include <cstddef>

#include "director/scene_director.h"

namespace {

constexpr size_t NoSegment = size_t(-1);

// The first key k0 with k0.time <= time < k1.time; zero-length segments can
// never qualify.
size_t FindSegment(const KeyframeTrack& track, double time) {
  for (size_t i = 0; i + 1 < track.size(); ++i)
    if (track[i].time <= time && time < track[i + 1].time) return i;
  return NoSegment;
}

// The unit direction from one point to another; false when they coincide.
bool DirectionBetween(Vec3 from, Vec3 to, Vec3& direction) {
  Vec3 d = Sub(to, from);
  if (Dot(d, d) == 0) return false;
  direction = Normalize(d);
  return true;
}

}  // namespace

void SceneDirector::SetViewFromOrientation() {
  Matrix4 m = QuatToMatrix(orientation);
  view.look = {m.m[0], m.m[4], m.m[8]};
  up = {m.m[2], m.m[6], m.m[10]};
}

void SceneDirector::UpdateCamera() {
  view.eye = view.position;
  if (track.size() < 2) {
    // No curve to fly: take the one key's pose and move on to the successor
    // at once, so that a broken script never stops the flight.
    if (track.size() == 1) {
      view.position = view.eye = track[0].position;
      orientation = track[0].orientation;
      SetViewFromOrientation();
    }
    if (!holding) {
      sceneTime = view.sceneClock = 0;
      finished = true;
    }
    return;
  }
  sceneTime = view.sceneClock;
  size_t i = FindSegment(track, sceneTime);
  if (i == NoSegment) {
    i = 0;
    sceneTime = view.sceneClock = 0;
    finished = true;
  }
  const Keyframe& k0 = track[i];
  const Keyframe& k1 = track[i + 1];
  if (k0.freeze) {
    view.position = k0.position;
    return;
  }
  // The wrap falls back on the first pair even when its keys share a time.
  double span = double(k1.time) - k0.time;
  float s = span > 0 ? float((sceneTime - k0.time) / span) : 0.0f;
  view.position = view.eye = Hermite(k0.position, k1.position, k0.gradient, k1.gradient, s);
  orientation = QuatBezier(k0.orientation, k0.outControl, k1.inControl, k1.orientation, s);
  SetViewFromOrientation();
}

// A target that coincides with what it is measured from gives no direction;
// the camera then keeps the track's view for that frame.
void SceneDirector::ApplyCameraTargets() {
  Vec3 direction;
  if (orientTarget && DirectionBetween(view.position, orientTarget->position, direction))
    view.look = direction;
  if (crossFrom && crossTo &&
      DirectionBetween(crossFrom->position, crossTo->position, direction)) {
    view.position = Sub(crossFrom->position, Scale(direction, crossDistance));
    view.look = direction;
  }
  view.eye = view.position;
}
