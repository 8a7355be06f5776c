#include "tools/film/curve.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSamples = 4096;
constexpr double kPi = 3.14159265358979323846;

struct D3 {
  double x, y, z;
};
D3 ToD(Vec3 v) { return {v.x, v.y, v.z}; }
D3 Plus(D3 a, D3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
D3 Minus(D3 a, D3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
D3 Times(D3 a, double s) { return {a.x * s, a.y * s, a.z * s}; }
double Distance(D3 a, D3 b) {
  D3 d = Minus(a, b);
  return std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
}

// Centripetal Catmull-Rom between p1 and p2 (t from 0 to 1): it passes
// through every point without loops or cusps however unevenly they lie.
D3 CatmullRom(D3 p0, D3 p1, D3 p2, D3 p3, double t) {
  auto knot = [](D3 a, D3 b) { return std::max(std::sqrt(Distance(a, b)), 1e-6); };
  double t0 = 0, t1 = t0 + knot(p0, p1), t2 = t1 + knot(p1, p2), t3 = t2 + knot(p2, p3);
  double u = t1 + (t2 - t1) * t;
  auto lerp = [](D3 a, D3 b, double ta, double tb, double x) {
    return Plus(Times(a, (tb - x) / (tb - ta)), Times(b, (x - ta) / (tb - ta)));
  };
  D3 a1 = lerp(p0, p1, t0, t1, u), a2 = lerp(p1, p2, t1, t2, u), a3 = lerp(p2, p3, t2, t3, u);
  D3 b1 = lerp(a1, a2, t0, t2, u), b2 = lerp(a2, a3, t1, t3, u);
  return lerp(b1, b2, t1, t2, u);
}

}  // namespace

const char* PathProblem(const PathSpec& path) {
  if (path.kind == PathSpec::Points && path.points.size() < 2) return "a path needs two points";
  if (path.kind == PathSpec::Arc && path.turn == 0 && path.rise == 0 && path.grow == 1) {
    return "an arc needs a turn, a rise or a growth";
  }
  return "";
}

Curve::Curve(const PathSpec& path) : path_(path) {
  lengthAt_.resize(kSamples + 1);
  D3 previous{0, 0, 0};
  for (int i = 0; i <= kSamples; ++i) {
    Vec3 p = Raw(double(i) / kSamples);
    D3 here = ToD(p);
    lengthAt_[i] = i == 0 ? 0 : lengthAt_[i - 1] + Distance(previous, here);
    previous = here;
  }
  length_ = float(lengthAt_.back());
}

Vec3 Curve::Raw(double u) const {
  if (path_.kind == PathSpec::Arc) {
    D3 centre = ToD(path_.centre), start = ToD(path_.start);
    D3 radial = Minus(start, centre);
    double radius0 = std::sqrt(radial.x * radial.x + radial.y * radial.y);
    double angle = std::atan2(radial.y, radial.x) + path_.turn * kPi / 180 * u;
    double radius = radius0 * (1 + (path_.grow - 1) * u);
    return {float(centre.x + radius * std::cos(angle)), float(centre.y + radius * std::sin(angle)),
            float(start.z + path_.rise * u)};
  }
  const std::vector<Vec3>& p = path_.points;
  const int segments = int(p.size()) - 1;
  double x = std::clamp(u, 0.0, 1.0) * segments;
  int i = std::min(int(x), segments - 1);
  D3 p1 = ToD(p[i]), p2 = ToD(p[i + 1]);
  // Beyond the ends the curve continues straight.
  D3 p0 = i > 0 ? ToD(p[i - 1]) : Minus(Times(p1, 2), p2);
  D3 p3 = i + 2 <= segments ? ToD(p[i + 2]) : Minus(Times(p2, 2), p1);
  D3 r = CatmullRom(p0, p1, p2, p3, x - i);
  return {float(r.x), float(r.y), float(r.z)};
}

Vec3 Curve::Position(float s) const {
  double target = std::clamp(double(s), 0.0, 1.0) * lengthAt_.back();
  auto at = std::lower_bound(lengthAt_.begin(), lengthAt_.end(), target);
  size_t i = std::clamp<size_t>(size_t(at - lengthAt_.begin()), 1, kSamples);
  double span = lengthAt_[i] - lengthAt_[i - 1];
  double f = span > 0 ? (target - lengthAt_[i - 1]) / span : 0;
  return Raw((double(i - 1) + f) / kSamples);
}

Vec3 Curve::Direction(float s) const {
  const float h = 1e-3f;
  float a = std::max(0.0f, s - h), b = std::min(1.0f, s + h);
  return Normalize(Sub(Position(b), Position(a)));
}
