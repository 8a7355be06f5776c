// Vector and quaternion math: plain value types of 32-bit floats with named
// free functions. Every function returns a new value and leaves its operands
// alone; none checks its input (Normalize of a zero vector and Slerp of zero
// quaternions give non-finite components, callers avoid them).
#pragma once

// A default-constructed Vec3 or Quat is not initialised; Vec3{} is zero.
struct Vec3 {
  float x, y, z;
};

// w is the scalar part; text form "Q(x y z w)".
struct Quat {
  float x, y, z, w;
};

// m[r * 4 + c] is row r, column c; QuatToMatrix fills only a rotation.
struct Matrix4 {
  float m[16];
};

Vec3 Set(float x, float y, float z);
Vec3 Fill(float s);
Vec3 Negate(Vec3 a);
Vec3 Add(Vec3 a, Vec3 b);
Vec3 Sub(Vec3 a, Vec3 b);
Vec3 Scale(Vec3 a, float s);
Vec3 Mul(Vec3 a, Vec3 b);  // component-wise
float Dot(Vec3 a, Vec3 b);
Vec3 Cross(Vec3 a, Vec3 b);
float Length(Vec3 a);
Vec3 Normalize(Vec3 a);

// Shortest-arc spherical interpolation; t outside [0, 1] extrapolates. The
// result is not renormalised.
Quat Slerp(Quat q1, Quat q2, float t);
// The rotation that turns v into q v q^-1; its columns are the images of the
// x, y and z axes.
Matrix4 QuatToMatrix(Quat q);
// Cubic Bezier on the unit sphere: end points q0, q1, control points c0, c1.
Quat QuatBezier(Quat q0, Quat c0, Quat c1, Quat q1, float t);

// Cubic Hermite curve from p0 (t = 0) to p1 (t = 1) with tangents m0, m1,
// used as given.
float Hermite(float p0, float p1, float m0, float m1, float t);
Vec3 Hermite(Vec3 p0, Vec3 p1, Vec3 m0, Vec3 m1, float t);

// Ease ramp over t in [0, 1]: constant acceleration for the share a of the
// interval, constant speed, constant deceleration for the share b; shares
// summing past 1 are scaled down to sum 1. Reaches 0 at t = 0, 1 at t = 1.
float EaseInOut(float t, float a, float b);
