#include "base/math.h"

#include <cmath>

Vec3 Set(float x, float y, float z) { return {x, y, z}; }
Vec3 Fill(float s) { return {s, s, s}; }
Vec3 Negate(Vec3 a) { return {-a.x, -a.y, -a.z}; }
Vec3 Add(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 Sub(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 Scale(Vec3 a, float s) { return {a.x * s, a.y * s, a.z * s}; }
Vec3 Mul(Vec3 a, Vec3 b) { return {a.x * b.x, a.y * b.y, a.z * b.z}; }
float Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vec3 Cross(Vec3 a, Vec3 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

float Length(Vec3 a) { return std::sqrt(Dot(a, a)); }

Vec3 Normalize(Vec3 a) {
  float length = Length(a);
  return {a.x / length, a.y / length, a.z / length};
}

Quat Slerp(Quat q1, Quat q2, float t) {
  // The dot product and the weights stay in double precision; the
  // nearly-equal threshold is the single-precision 1e-8.
  double d = double(q1.x) * q2.x + double(q1.y) * q2.y + double(q1.z) * q2.z +
             double(q1.w) * q2.w;
  if (d < 0) {
    d = -d;
    q2 = {-q2.x, -q2.y, -q2.z, -q2.w};
  }
  double s0, s1;
  if (1.0 - d > double(1e-8f)) {
    double theta = std::acos(d);
    double sinTheta = std::sin(theta);
    s0 = std::sin((1.0 - t) * theta) / sinTheta;
    s1 = std::sin(t * theta) / sinTheta;
  } else {
    s0 = 1.0 - t;
    s1 = t;
  }
  return {float(s0 * q1.x + s1 * q2.x), float(s0 * q1.y + s1 * q2.y),
          float(s0 * q1.z + s1 * q2.z), float(s0 * q1.w + s1 * q2.w)};
}

Matrix4 QuatToMatrix(Quat q) {
  float x2 = q.x + q.x, y2 = q.y + q.y, z2 = q.z + q.z;
  float xx = q.x * x2, xy = q.x * y2, xz = q.x * z2;
  float yy = q.y * y2, yz = q.y * z2, zz = q.z * z2;
  float wx = q.w * x2, wy = q.w * y2, wz = q.w * z2;
  return {{1 - (yy + zz), xy - wz, xz + wy, 0,  //
           xy + wz, 1 - (xx + zz), yz - wx, 0,  //
           xz - wy, yz + wx, 1 - (xx + yy), 0,  //
           0, 0, 0, 1}};
}

Quat QuatBezier(Quat q0, Quat c0, Quat c1, Quat q1, float t) {
  Quat a = Slerp(q0, c0, t);
  Quat b = Slerp(c0, c1, t);
  Quat c = Slerp(c1, q1, t);
  return Slerp(Slerp(a, b, t), Slerp(b, c, t), t);
}

float Hermite(float p0, float p1, float m0, float m1, float t) {
  float t2 = t * t;
  float t3 = t2 * t;
  return (2 * t3 - 3 * t2 + 1) * p0 + (t3 - 2 * t2 + t) * m0 + (-2 * t3 + 3 * t2) * p1 +
         (t3 - t2) * m1;
}

Vec3 Hermite(Vec3 p0, Vec3 p1, Vec3 m0, Vec3 m1, float t) {
  return {Hermite(p0.x, p1.x, m0.x, m1.x, t), Hermite(p0.y, p1.y, m0.y, m1.y, t),
          Hermite(p0.z, p1.z, m0.z, m1.z, t)};
}

float EaseInOut(float t, float a, float b) {
  float s = a + b;
  if (s == 0) return t;
  if (s > 1) {
    a /= s;
    b /= s;
  }
  float k = 1 / (2 - a - b);
  // A phase of zero length is never entered: its k / share would divide by
  // zero, and the constant-speed line already meets the ends there.
  if (a > 0 && t < a) return k / a * (t * t);
  if (b <= 0 || t < 1 - b) return k * (2 * t - a);
  float u = 1 - t;
  return 1 - k / b * (u * u);
}
