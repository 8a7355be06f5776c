// Double-precision vectors, texture coordinates and placements for the mesh
// generators. Lengths are mesh units; angles are radians unless a name says
// degrees. Everything is a plain value.
#pragma once
#include <cmath>

struct DVec3 {
  double x = 0, y = 0, z = 0;
};

struct UV {
  double s = 0, t = 0;
};

inline DVec3 Add(DVec3 a, DVec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline DVec3 Sub(DVec3 a, DVec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline DVec3 Scale(DVec3 a, double s) { return {a.x * s, a.y * s, a.z * s}; }
inline DVec3 Mul(DVec3 a, DVec3 b) { return {a.x * b.x, a.y * b.y, a.z * b.z}; }
inline double Dot(DVec3 a, DVec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline DVec3 Cross(DVec3 a, DVec3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
inline double Length(DVec3 a) { return std::sqrt(Dot(a, a)); }
// A zero vector stays zero.
inline DVec3 Normalize(DVec3 a) {
  double l = Length(a);
  return l > 0 ? Scale(a, 1.0 / l) : a;
}
inline DVec3 Lerp(DVec3 a, DVec3 b, double t) { return Add(a, Scale(Sub(b, a), t)); }

constexpr double kPi = 3.14159265358979323846;
inline double Radians(double degrees) { return degrees * kPi / 180.0; }

// An affine placement: p -> origin + p.x*ax + p.y*ay + p.z*az. The axes may be
// scaled or mirrored; the mesh builder keeps the winding right either way.
struct Frame {
  DVec3 origin;
  DVec3 ax{1, 0, 0}, ay{0, 1, 0}, az{0, 0, 1};
};

inline DVec3 Apply(const Frame& f, DVec3 p) {
  return Add(f.origin, Add(Scale(f.ax, p.x), Add(Scale(f.ay, p.y), Scale(f.az, p.z))));
}
inline DVec3 ApplyDirection(const Frame& f, DVec3 d) {
  return Add(Scale(f.ax, d.x), Add(Scale(f.ay, d.y), Scale(f.az, d.z)));
}
inline double Determinant(const Frame& f) { return Dot(f.ax, Cross(f.ay, f.az)); }

// outer after inner: Apply(Compose(o, i), p) == Apply(o, Apply(i, p)).
inline Frame Compose(const Frame& outer, const Frame& inner) {
  return {Apply(outer, inner.origin), ApplyDirection(outer, inner.ax), ApplyDirection(outer, inner.ay),
          ApplyDirection(outer, inner.az)};
}

inline Frame Compose(const Frame& a, const Frame& b, const Frame& c) { return Compose(a, Compose(b, c)); }

inline Frame At(DVec3 origin) { return {origin, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}}; }
inline Frame At(double x, double y, double z) { return At(DVec3{x, y, z}); }
// Rotation by `angle` about the x, y or z axis through `origin`.
inline Frame RotX(double angle, DVec3 origin = {}) {
  double c = std::cos(angle), s = std::sin(angle);
  return {origin, {1, 0, 0}, {0, c, s}, {0, -s, c}};
}
inline Frame RotY(double angle, DVec3 origin = {}) {
  double c = std::cos(angle), s = std::sin(angle);
  return {origin, {c, 0, -s}, {0, 1, 0}, {s, 0, c}};
}
inline Frame RotZ(double angle, DVec3 origin = {}) {
  double c = std::cos(angle), s = std::sin(angle);
  return {origin, {c, s, 0}, {-s, c, 0}, {0, 0, 1}};
}
// Mirror y -> -y (the other side of a ship).
inline Frame MirrorY() { return {{}, {1, 0, 0}, {0, -1, 0}, {0, 0, 1}}; }

// A frame at `origin` whose local z axis points along `direction`; `hint` picks
// the roll (local x lies in the plane of direction and hint).
inline Frame AlongAxis(DVec3 origin, DVec3 direction, DVec3 hint = {0, 0, 1}) {
  DVec3 z = Normalize(direction);
  if (std::fabs(Dot(z, Normalize(hint))) > 0.999) hint = std::fabs(z.x) < 0.9 ? DVec3{1, 0, 0} : DVec3{0, 1, 0};
  DVec3 x = Normalize(Sub(hint, Scale(z, Dot(hint, z))));
  return {origin, x, Cross(z, x), z};
}
