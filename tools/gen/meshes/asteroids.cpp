#include "tools/gen/meshes/asteroids.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "tools/common/noise.h"
#include "tools/gen/meshes/primitives.h"

namespace {

struct RockShape {
  uint32_t seed;
  double radius;      // mean radius before stretching
  V3 stretch;         // ellipsoid axes factors
  int frequency;      // geodesic subdivision
  double lumpiness;   // amplitude of the large-scale noise (fraction of radius)
  double roughness;   // amplitude of the fine ridged noise
  int craters;
  double craterSize;  // largest crater's angular radius, radians
};

struct Crater {
  V3 centre;  // unit direction
  double radius, depth;
};

V3 RandomDirection(uint32_t seed, uint32_t index) {
  double z = 2 * HashUnit(seed, 2 * index) - 1, a = 2 * kPi * HashUnit(seed, 2 * index + 1);
  double r = std::sqrt(std::max(0.0, 1 - z * z));
  return {r * std::cos(a), r * std::sin(a), z};
}

// Relief of one crater at angular distance `angle`: a bowl with a raised rim.
double CraterRelief(const Crater& c, double angle) {
  double x = angle / c.radius;
  if (x > 2) return 0;
  double bowl = x < 1 ? x * x - 1 : 0;
  double rim = 0.3 * std::exp(-(x - 1) * (x - 1) / 0.08);
  return c.depth * (bowl + rim);
}

Model BuildRock(const std::string& name, const RockShape& s, const std::string& purpose) {
  Noise lumps(s.seed), detail(s.seed + 101);
  std::vector<Crater> craters;
  for (int i = 0; i < s.craters; ++i) {
    double size = s.craterSize * (0.25 + 0.75 * std::pow(HashUnit(s.seed + 7, uint32_t(i)), 2.0));
    craters.push_back({RandomDirection(s.seed + 3, uint32_t(i)), size, size * 0.45});
  }
  Part rock = Icosphere(s.frequency);
  for (V3& p : rock.positions) {
    V3 d = p;
    // Domain-warped low-frequency lumps give the overall potato shape.
    V3 warp{lumps.At(float(d.x * 1.3 + 5), float(d.y * 1.3), float(d.z * 1.3)),
            lumps.At(float(d.x * 1.3), float(d.y * 1.3 + 9), float(d.z * 1.3)), 0};
    double r = 1 + s.lumpiness * lumps.Fbm(float(d.x * 1.1 + warp.x * 0.5), float(d.y * 1.1 + warp.y * 0.5),
                                           float(d.z * 1.1), 4, 0.5f);
    r += s.roughness * (detail.Ridged(float(d.x * 3.5), float(d.y * 3.5), float(d.z * 3.5), 4, 0.5f) - 0.5);
    for (const Crater& c : craters) r += CraterRelief(c, std::acos(std::clamp(Dot(d, c.centre), -1.0, 1.0)));
    p = Mul(Scale(d, s.radius * r), s.stretch);
  }
  rock.creaseDegrees = 65;
  double size = s.radius * std::max({s.stretch.x, s.stretch.y, s.stretch.z});
  ProjectBox(rock, s.radius * 0.8);
  MeshBuilder b(kBodyToFile);
  b.Add(rock);
  Model m{name, purpose, s.radius * 0.8, size * 3, size * 10, {}, {}, {}};
  m.mesh = b.Take();
  return m;
}

}  // namespace

std::vector<Model> BuildAsteroids() {
  return {
      BuildRock("asteroid1", {1101, 3.0, {1.25, 0.95, 0.8}, 8, 0.22, 0.06, 5, 0.5},
                "small rock chunk, about 7 units across: scatter many"),
      BuildRock("asteroid2", {2203, 5.5, {1.6, 0.9, 0.75}, 10, 0.18, 0.05, 9, 0.45},
                "elongated rock, about 18 units long"),
      BuildRock("asteroid3", {3307, 10.0, {1.1, 1.0, 0.85}, 12, 0.16, 0.045, 16, 0.42},
                "cratered lump, about 22 units across"),
      BuildRock("asteroid4", {4409, 18.0, {1.2, 1.05, 0.9}, 14, 0.2, 0.04, 26, 0.38},
                "large cratered body, about 45 units across: the field's landmark"),
  };
}
