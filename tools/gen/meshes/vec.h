// Double-precision vectors, texture coordinates and placements for the mesh
// generators. Lengths are mesh units; angles are radians unless a name says
// degrees. Everything is a plain value.
#pragma once
#include <cmath>

struct V3 {
  double x = 0, y = 0, z = 0;
};

struct UV {
  double s = 0, t = 0;
};

inline V3 Add(V3 a, V3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline V3 Sub(V3 a, V3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline V3 Scale(V3 a, double s) { return {a.x * s, a.y * s, a.z * s}; }
inline V3 Mul(V3 a, V3 b) { return {a.x * b.x, a.y * b.y, a.z * b.z}; }
inline double Dot(V3 a, V3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline V3 Cross(V3 a, V3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
inline double Length(V3 a) { return std::sqrt(Dot(a, a)); }
// A zero vector stays zero.
inline V3 Normalize(V3 a) {
  double l = Length(a);
  return l > 0 ? Scale(a, 1.0 / l) : a;
}
inline V3 Lerp(V3 a, V3 b, double t) { return Add(a, Scale(Sub(b, a), t)); }

constexpr double kPi = 3.14159265358979323846;
inline double Radians(double degrees) { return degrees * kPi / 180.0; }

// An affine placement: p -> origin + p.x*ax + p.y*ay + p.z*az. The axes may be
// scaled or mirrored; the mesh builder keeps the winding right either way.
struct Frame {
  V3 origin;
  V3 ax{1, 0, 0}, ay{0, 1, 0}, az{0, 0, 1};
};

inline V3 Apply(const Frame& f, V3 p) {
  return Add(f.origin, Add(Scale(f.ax, p.x), Add(Scale(f.ay, p.y), Scale(f.az, p.z))));
}
inline V3 ApplyDirection(const Frame& f, V3 d) {
  return Add(Scale(f.ax, d.x), Add(Scale(f.ay, d.y), Scale(f.az, d.z)));
}
inline double Determinant(const Frame& f) { return Dot(f.ax, Cross(f.ay, f.az)); }

// outer after inner: Apply(Compose(o, i), p) == Apply(o, Apply(i, p)).
inline Frame Compose(const Frame& outer, const Frame& inner) {
  return {Apply(outer, inner.origin), ApplyDirection(outer, inner.ax), ApplyDirection(outer, inner.ay),
          ApplyDirection(outer, inner.az)};
}

inline Frame Compose(const Frame& a, const Frame& b, const Frame& c) { return Compose(a, Compose(b, c)); }

inline Frame At(V3 origin) { return {origin, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}}; }
inline Frame At(double x, double y, double z) { return At(V3{x, y, z}); }
// Rotation by `angle` about the x, y or z axis through `origin`.
inline Frame RotX(double angle, V3 origin = {}) {
  double c = std::cos(angle), s = std::sin(angle);
  return {origin, {1, 0, 0}, {0, c, s}, {0, -s, c}};
}
inline Frame RotY(double angle, V3 origin = {}) {
  double c = std::cos(angle), s = std::sin(angle);
  return {origin, {c, 0, -s}, {0, 1, 0}, {s, 0, c}};
}
inline Frame RotZ(double angle, V3 origin = {}) {
  double c = std::cos(angle), s = std::sin(angle);
  return {origin, {c, s, 0}, {-s, c, 0}, {0, 0, 1}};
}
// Mirror y -> -y (the other side of a ship).
inline Frame MirrorY() { return {{}, {1, 0, 0}, {0, -1, 0}, {0, 0, 1}}; }

// A frame at `origin` whose local z axis points along `direction`; `hint` picks
// the roll (local x lies in the plane of direction and hint).
inline Frame AlongAxis(V3 origin, V3 direction, V3 hint = {0, 0, 1}) {
  V3 z = Normalize(direction);
  if (std::fabs(Dot(z, Normalize(hint))) > 0.999) hint = std::fabs(z.x) < 0.9 ? V3{1, 0, 0} : V3{0, 1, 0};
  V3 x = Normalize(Sub(hint, Scale(z, Dot(hint, z))));
  return {origin, x, Cross(z, x), z};
}
