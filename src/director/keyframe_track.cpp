#include "director/keyframe_track.h"

#include "base/script_reader.h"

namespace {

constexpr float OneThird = 1.0f / 3.0f;  // 0.33333334

void ReadKeyframe(ScriptReader& reader, Keyframe& key) {
  Vec3& p = key.position;
  Vec3& g = key.gradient;
  Quat& q = key.orientation;
  while (reader.NextInBlock("end")) {
    if (reader.StartsWith("position")) reader.Scan("position V(%f %f %f)", p.x, p.y, p.z);
    if (reader.StartsWith("gradient")) reader.Scan("gradient V(%f %f %f)", g.x, g.y, g.z);
    if (reader.StartsWith("quaternion"))
      reader.Scan("quaternion Q(%f %f %f %f)", q.x, q.y, q.z, q.w);
    if (reader.StartsWith("time")) reader.Scan("time %f", key.time);
    if (reader.StartsWith("freeze")) key.freeze = true;
  }
}

// An inner key k between p and s: the tangent is the mean of the two
// differences; the control points lie on the great circle through the
// orientation halfway between the one extrapolated from p and the one
// interpolated towards s.
void PrepareInnerKey(const Keyframe& p, Keyframe& k, const Keyframe& s) {
  Vec3 d1 = Sub(k.position, p.position);
  Vec3 d2 = Sub(s.position, k.position);
  k.gradient = Add(d1, Scale(Sub(d2, d1), 0.5f));
  Quat b = Slerp(k.orientation, p.orientation, -OneThird);
  Quat c = Slerp(k.orientation, s.orientation, OneThird);
  Quat m = Slerp(b, c, 0.5f);
  k.inControl = Slerp(k.orientation, m, -1);
  k.outControl = Slerp(k.orientation, m, 1);
}

}  // namespace

void ParseKeyframes(KeyframeTrack& track, ScriptReader& reader) {
  while (reader.SkipTo("keyframe", "ENDKEYS")) {
    Keyframe key;
    ReadKeyframe(reader, key);
    track.push_back(key);
  }
}

void PrepareTrack(KeyframeTrack& track) {
  const size_t count = track.size();
  if (count < 2) return;
  Keyframe& first = track[0];
  first.outControl = Slerp(first.orientation, track[1].orientation, OneThird);
  first.gradient = Sub(track[1].position, first.position);
  for (size_t i = 1; i + 1 < count; ++i) PrepareInnerKey(track[i - 1], track[i], track[i + 1]);
  Keyframe& last = track[count - 1];
  const Keyframe& beforeLast = track[count - 2];
  last.inControl = Slerp(last.orientation, beforeLast.orientation, OneThird);
  last.gradient = Sub(last.position, beforeLast.position);
}

void ClearTrack(KeyframeTrack& track) { track.clear(); }
