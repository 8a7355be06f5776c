#include "tools/film/framing.h"

#include <cmath>

namespace {

constexpr float kDegree = 3.14159265358979f / 180;

// Yaw about world z, pitch up from the horizon, roll about the view axis.
Quat FromAngles(float yaw, float pitch, float roll) {
  Vec3 x = Set(std::cos(pitch) * std::cos(yaw), std::cos(pitch) * std::sin(yaw), std::sin(pitch));
  Vec3 y = Set(-std::sin(yaw), std::cos(yaw), 0);
  Vec3 z = Cross(x, y);
  // Rolling clockwise as the viewer sees it turns the up axis towards the
  // right, which is -y.
  float c = std::cos(roll * kDegree), s = std::sin(roll * kDegree);
  Vec3 rolledY = Add(Scale(y, c), Scale(z, s));
  Vec3 rolledZ = Sub(Scale(z, c), Scale(y, s));
  return FromAxes(x, rolledY, rolledZ);
}

}  // namespace

Quat FromAxes(Vec3 x, Vec3 y, Vec3 z) {
  // m[r][c]: column 0 is x, 1 is y, 2 is z.
  float m00 = x.x, m10 = x.y, m20 = x.z;
  float m01 = y.x, m11 = y.y, m21 = y.z;
  float m02 = z.x, m12 = z.y, m22 = z.z;
  float trace = m00 + m11 + m22;
  Quat q;
  if (trace > 0) {
    float s = std::sqrt(trace + 1) * 2;
    q = {(m21 - m12) / s, (m02 - m20) / s, (m10 - m01) / s, s / 4};
  } else if (m00 > m11 && m00 > m22) {
    float s = std::sqrt(1 + m00 - m11 - m22) * 2;
    q = {s / 4, (m01 + m10) / s, (m02 + m20) / s, (m21 - m12) / s};
  } else if (m11 > m22) {
    float s = std::sqrt(1 + m11 - m00 - m22) * 2;
    q = {(m01 + m10) / s, s / 4, (m12 + m21) / s, (m02 - m20) / s};
  } else {
    float s = std::sqrt(1 + m22 - m00 - m11) * 2;
    q = {(m02 + m20) / s, (m12 + m21) / s, s / 4, (m10 - m01) / s};
  }
  float n = std::sqrt(q.x * q.x + q.y * q.y + q.z * q.z + q.w * q.w);
  return {q.x / n, q.y / n, q.z / n, q.w / n};
}

Quat FrameTarget(Vec3 eye, Vec3 target, float u, float v, float roll, ViewExtent view) {
  Vec3 world = Normalize(Sub(target, eye));
  // The target's direction in the camera's own axes before yaw and pitch.
  Vec3 local = Normalize(Set(1, -u * view.right, v * view.up));
  // Pitch: local.x sin p + local.z cos p must equal the target's height.
  float reach = std::sqrt(local.x * local.x + local.z * local.z);
  float height = std::fmax(-1.0f, std::fmin(1.0f, world.z / reach));
  // A target nearly straight above or below cannot sit off-centre that way
  // without turning the camera over: the pitch stops just short of upright.
  const float limit = 89 * kDegree;
  float pitch = std::fmax(-limit, std::fmin(limit, std::asin(height) - std::atan2(local.z, local.x)));
  // Yaw: the target's bearing less its bearing within the pitched camera.
  float forward = local.x * std::cos(pitch) - local.z * std::sin(pitch);
  float yaw = std::atan2(world.y, world.x) - std::atan2(local.y, forward);
  return FromAngles(yaw, pitch, roll);
}

Quat Heading(Vec3 forward, float roll) {
  Vec3 f = Normalize(forward);
  float pitch = std::asin(std::fmax(-1.0f, std::fmin(1.0f, f.z)));
  float yaw = std::atan2(f.y, f.x);
  return FromAngles(yaw, pitch, roll);
}

Quat Nearer(Quat q, Quat reference) {
  float d = q.x * reference.x + q.y * reference.y + q.z * reference.z + q.w * reference.w;
  return d < 0 ? Quat{-q.x, -q.y, -q.z, -q.w} : q;
}
