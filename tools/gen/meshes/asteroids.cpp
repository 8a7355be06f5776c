#include "tools/gen/meshes/asteroids.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "tools/common/noise.h"
#include "tools/gen/meshes/primitives.h"

namespace {

struct RockShape {
  uint32_t seed;
  double radius;     // mean radius before stretching
  DVec3 stretch;        // ellipsoid axes factors
  double lobe;       // > 0: a second lobe this far out along x (a peanut)
  int frequency;     // geodesic subdivision
  double lumpiness;  // amplitude of the large-scale noise (fraction of radius)
  double roughness;  // amplitude of the fine ridged noise
  int fractures;     // flat broken faces
  int craters;
  double craterSize;  // largest crater's angular radius, radians
};

struct Crater {
  DVec3 centre;  // unit direction
  double radius, depth;
};

struct Fracture {
  DVec3 normal;
  double distance;
};

DVec3 RandomDirection(uint32_t seed, uint32_t index) {
  double z = 2 * HashUnit(seed, 2 * index) - 1, a = 2 * kPi * HashUnit(seed, 2 * index + 1);
  double r = std::sqrt(std::max(0.0, 1 - z * z));
  return {r * std::cos(a), r * std::sin(a), z};
}

// Relief of one crater at angular distance `angle`: a bowl with a raised rim.
double CraterRelief(const Crater& c, double angle) {
  double x = angle / c.radius;
  if (x > 2) return 0;
  double bowl = x < 1 ? x * x - 1 : 0;
  double rim = 0.25 * std::exp(-(x - 1) * (x - 1) / 0.06);
  return c.depth * (bowl + rim);
}

// Distance along unit direction d to the surface of one lobe or of the union
// of the central lobe and one at (lobe, 0, 0) of radius 0.8.
double LobeDistance(DVec3 d, double lobe) {
  if (lobe <= 0) return 1;
  double b = d.x * lobe, c = lobe * lobe - 0.64;
  return std::max(1.0, b + std::sqrt(b * b - c));
}

// min(a, b) with the corner rounded over a width k.
double SmoothMin(double a, double b, double k) {
  double h = std::max(k - std::fabs(a - b), 0.0) / k;
  return std::min(a, b) - h * h * k / 4;
}

Model BuildRock(const std::string& name, const RockShape& s, const std::string& purpose) {
  Noise lumps(s.seed), detail(s.seed + 101);
  std::vector<Crater> craters;
  for (int i = 0; i < s.craters; ++i) {
    double size = s.craterSize * (0.2 + 0.8 * std::pow(HashUnit(s.seed + 7, uint32_t(i)), 2.5));
    craters.push_back({RandomDirection(s.seed + 3, uint32_t(i)), size, size * 0.4});
  }
  std::vector<Fracture> fractures;
  for (int i = 0; i < s.fractures; ++i)
    fractures.push_back({RandomDirection(s.seed + 5, uint32_t(i)), 0.72 + 0.18 * HashUnit(s.seed + 9, uint32_t(i))});

  Part rock = Icosphere(s.frequency);
  double lobeCentre = s.lobe / 2;  // the union is centred on the origin
  for (DVec3& p : rock.positions) {
    DVec3 d = p;
    // Domain-warped low-frequency lumps give the overall shape.
    float wx = lumps.At(float(d.x * 0.9 + 5), float(d.y * 0.9), float(d.z * 0.9));
    float wy = lumps.At(float(d.x * 0.9), float(d.y * 0.9 + 9), float(d.z * 0.9));
    double r = LobeDistance(d, s.lobe);
    r *= 1 + s.lumpiness * lumps.Fbm(float(d.x * 0.8 + wx * 0.6), float(d.y * 0.8 + wy * 0.6), float(d.z * 0.8), 4, 0.55f);
    // Broken faces: flat where a cut plane lies inside the lump, with worn edges.
    for (const Fracture& f : fractures) {
      double facing = Dot(d, f.normal);
      if (facing > 0.05) r = SmoothMin(r, f.distance * LobeDistance(f.normal, s.lobe) / facing, 0.2);
    }
    for (const Crater& c : craters) r += CraterRelief(c, std::acos(std::clamp(Dot(d, c.centre), -1.0, 1.0)));
    r += s.roughness * (detail.Ridged(float(d.x * 4), float(d.y * 4), float(d.z * 4), 4) - 0.5);
    p = Mul(Add(Scale(d, s.radius * r), {-lobeCentre * s.radius, 0, 0}), s.stretch);
  }
  rock.creaseDegrees = 70;
  double size = s.radius * std::max({s.stretch.x * (1 + s.lobe), s.stretch.y, s.stretch.z});
  ProjectCube(rock, s.radius * 0.7);
  MeshBuilder b(kBodyToFile);
  b.Add(rock);
  Model m{name, purpose, s.radius * 0.7, size * 3, size * 10, {}, {}, {}};
  m.mesh = b.Take();
  return m;
}

}  // namespace

std::vector<Model> BuildAsteroids() {
  return {
      BuildRock("asteroid1", {1101, 3.2, {1.2, 1.0, 0.85}, 0, 8, 0.3, 0.07, 6, 4, 0.45},
                "small broken chunk: scatter many"),
      BuildRock("asteroid2", {2203, 5.5, {1.55, 0.9, 0.8}, 0, 10, 0.28, 0.06, 4, 8, 0.4},
                "elongated rock"),
      BuildRock("asteroid3", {3307, 7.0, {1.0, 0.95, 0.85}, 0.9, 12, 0.22, 0.05, 3, 14, 0.35},
                "two-lobed rock"),
      BuildRock("asteroid4", {4409, 18.0, {1.15, 1.05, 0.9}, 0, 16, 0.26, 0.045, 3, 34, 0.36},
                "large cratered body: the field's landmark"),
      BuildRock("asteroid5", {5501, 4.5, {1.3, 1.2, 0.55}, 0, 9, 0.22, 0.06, 5, 5, 0.4},
                "flat slab broken off a larger body"),
      BuildRock("asteroid6", {6607, 3.8, {1.9, 0.7, 0.6}, 0, 9, 0.25, 0.08, 7, 2, 0.4},
                "splinter: a long sharp shard"),
      BuildRock("asteroid7", {7703, 6.0, {1.0, 1.0, 0.95}, 0, 11, 0.14, 0.04, 0, 12, 0.4},
                "rounded boulder, worn and pitted"),
      BuildRock("asteroid8", {8803, 5.0, {1.1, 1.0, 0.9}, 0, 10, 0.2, 0.05, 9, 3, 0.35},
                "angular block with many broken faces"),
      BuildRock("asteroid9", {9901, 9.0, {1.0, 0.9, 0.8}, 1.1, 13, 0.24, 0.05, 2, 18, 0.35},
                "large two-lobed rock"),
      BuildRock("asteroid10", {10007, 8.0, {1.3, 1.0, 0.9}, 0, 12, 0.4, 0.06, 2, 10, 0.4},
                "knobbly potato-shaped rock"),
  };
}
