#include "tools/gen/meshes/field.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "tools/common/noise.h"

namespace {

const char kMarker[] = "// Rocks placed by gen_field (tools/gen/meshes/field.cpp): clusters, a gap between rocks, "
                       "lanes kept clear along the shots. Regenerate rather than edit.\n";

// Clear ways: the camera's own paths, the ships it follows (with the
// camera's offset), orbits about the landmarks and the views onto them.
Lane Way(std::vector<DVec3> way, double clear) { return {std::move(way), clear}; }

Lane Orbit(DVec3 centre, double radius, double z, double clear) {
  Lane lane{{}, clear};
  for (int i = 0; i <= 36; ++i) {
    double a = 2 * kPi * i / 36;
    lane.way.push_back({centre.x + radius * std::cos(a), centre.y + radius * std::sin(a), z});
  }
  return lane;
}

DVec3 RandomAxis(uint32_t seed, uint32_t index) {
  double z = 2 * HashUnit(seed, 2 * index) - 1, a = 2 * kPi * HashUnit(seed, 2 * index + 1);
  double r = std::sqrt(std::max(0.0, 1 - z * z));
  return {r * std::cos(a), r * std::sin(a), z};
}

// A normal deviate from two uniform ones (Box-Muller).
double Normal(uint32_t seed, uint32_t index) {
  double u = std::max(1e-9, double(HashUnit(seed, 2 * index))), v = HashUnit(seed, 2 * index + 1);
  return std::sqrt(-2 * std::log(u)) * std::cos(2 * kPi * v);
}

double BoundingRadius(const Model& m) {
  double r = 0;
  for (uint32_t i = 0; i < m.mesh.vertexCount; ++i) r = std::max(r, Length({m.mesh.x[i], m.mesh.y[i], m.mesh.z[i]}));
  return r;
}

// A place beside a lane, just outside its clear space: rocks that line the
// ways the camera flies, so a flight through the field passes them close.
// Every stretch of way is as likely as any other of its length; lanes of one
// point (the views round a landmark) have no side.
bool BesideALane(const FieldPlan& plan, uint32_t seed, uint32_t attempt, double size, DVec3& p) {
  double total = 0;
  for (const Lane& lane : plan.lanes)
    for (size_t i = 0; i + 1 < lane.way.size(); ++i) total += Length(Sub(lane.way[i + 1], lane.way[i]));
  if (total <= 0) return false;
  auto unit = [&](uint32_t k) { return double(HashUnit(seed + k, attempt)); };
  double at = unit(13) * total;
  for (const Lane& lane : plan.lanes) {
    for (size_t i = 0; i + 1 < lane.way.size(); ++i) {
      const DVec3 a = lane.way[i], along = Sub(lane.way[i + 1], a);
      const double length = Length(along);
      if (at > length) {
        at -= length;
        continue;
      }
      const DVec3 side = Normalize(Cross(along, RandomAxis(seed + 15, attempt)));
      const double reach = lane.clear + size + 30 + 350 * unit(16);
      p = Add(Add(a, Scale(along, at / length)), Scale(Mul(side, {1, 1, 0.5}), reach));
      return true;
    }
  }
  return false;
}

bool Inside(const FieldPlan& plan, DVec3 p, double r) {
  return p.x - r >= plan.low.x && p.y - r >= plan.low.y && p.z - r >= plan.low.z && p.x + r <= plan.high.x &&
         p.y + r <= plan.high.y && p.z + r <= plan.high.z;
}

bool Free(const FieldPlan& plan, const std::vector<PlacedRock>& placed, DVec3 p, double r) {
  for (const Lane& lane : plan.lanes)
    if (DistanceToWay(lane, p) < lane.clear + r) return false;
  for (const PlacedRock& other : placed)
    if (Length(Sub(other.position, p)) < other.radius + r + RockGap(other.radius, r)) return false;
  return true;
}

std::string Num(double v, int decimals) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, std::fabs(v) < 0.5 * std::pow(10.0, -decimals) ? 0.0 : v);
  return text;
}

}  // namespace

double RockGap(double a, double b) { return 15 + 0.3 * (a + b); }

double DistanceToWay(const Lane& lane, DVec3 p) {
  double best = 1e300;
  for (size_t i = 0; i < lane.way.size(); ++i) {
    DVec3 a = lane.way[i], b = i + 1 < lane.way.size() ? lane.way[i + 1] : a;
    DVec3 ab = Sub(b, a);
    double l2 = Dot(ab, ab), t = l2 > 0 ? std::clamp(Dot(Sub(p, a), ab) / l2, 0.0, 1.0) : 0;
    best = std::min(best, Length(Sub(p, Add(a, Scale(ab, t)))));
  }
  return best;
}

std::vector<FieldPlan> ShippedFields() {
  FieldPlan green{"worlds/green/green_ast/world.txt", "textures\\rock_greybrown.jpg", 31, {-5200, -5200, -1000},
                  {5200, 5400, 1000}, 750, {}, {}, {}};
  green.landmarks.push_back({3, {0, 0, 0}, {0.2687, 0.8165, 0.511}, 140, 18, 0});
  green.clusters = {{{-3200, 2600, 100}, 700},  {{2600, -2600, -150}, 650}, {{-2600, -3400, 300}, 600},
                    {{3400, 2900, 200}, 750},   {{-500, 3900, 0}, 600},    {{600, -1200, -200}, 500},
                    {{-3800, -400, -100}, 550}, {{4200, -800, 100}, 500}};
  green.lanes = {
      Way({{-5000, -1850, 250}, {-2000, -900, 150}, {1000, -300, 100}, {4500, 850, 150}}, 260),  // the long lane
      Orbit({0, 0, 0}, 1300, 250, 300), Way({{0, 0, 0}}, 950),                              // about the great rock
      Way({{-1500, 1500, -100}, {-1450, 1450, 1500}, {-1350, 1350, 3300}}, 300),            // the rise
      Way({{5000, -3600, -100}, {2000, -1800, 0}, {-600, -1500, -50}, {-4200, -2700, 0}}, 260),  // the chase
      Way({{3250, 2600, 290}, {1800, 2450, 278}, {500, 2300, 262}}, 280),                   // the frigate's creep
      Way({{150, 4800, -120}, {-100, 1650, 0}}, 420),                                        // the ride beside a frigate
  };
  FieldPlan red{"worlds/red/red_aster/world.txt", "textures\\rock_darkred.jpg", 57, {-5300, -5300, -1100},
                {5200, 5500, 1100}, 750, {}, {}, {}};
  red.landmarks.push_back({3, {1500, -2600, 200}, {0.2687, 0.8165, 0.511}, 254, 16, 0});
  red.landmarks.push_back({8, {-3600, -1200, -250}, {-0.4058, -0.9134, 0.0321}, 187, 17, 0});
  red.clusters = {{{-3000, 3300, 200}, 700}, {{3300, 2600, -200}, 650}, {{-1200, -4200, 0}, 600},
                  {{3600, -4200, 150}, 550}, {{-4400, 200, -300}, 500}, {{400, 3600, 300}, 650},
                  {{-1800, -2400, 300}, 500}, {{4300, 700, 0}, 450}};
  red.lanes = {
      Way({{-5000, 1150, 300}, {-2500, 600, 200}, {0, -200, 150}, {2600, -600, 100}, {5000, 0, 150}}, 260),  // the long lane
      Orbit({1500, -2600, 200}, 1100, 200, 300), Way({{1500, -2600, 200}}, 750),  // about the great rock
      Way({{-3600, -1200, -250}}, 500),                                           // about the second rock
      Way({{0, -2000, 100}, {1200, 900, 150}}, 520),                               // the freighter and its circling camera
      Way({{4800, 3800, 0}, {1800, 2200, 50}, {-900, 2600, 0}, {-4400, 3600, 100}}, 260),  // the chase out
      Way({{-2200, -3000, -100}, {-2100, -2900, 1600}, {-1900, -2700, 3300}}, 300),        // the rise
      Way({{1615, -498, 114}, {985, -536, 110}, {900, -290, 200}, {870, -270, 215}}, 300),  // the frigate and its escort
  };
  return {green, red};
}

std::vector<PlacedRock> LayOut(const FieldPlan& plan, const std::vector<Model>& rocks) {
  std::vector<double> radius;
  for (const Model& m : rocks) radius.push_back(BoundingRadius(m));
  std::vector<PlacedRock> placed;
  for (PlacedRock r : plan.landmarks) {
    r.radius = radius[size_t(r.shape)] * r.scale;
    placed.push_back(r);
  }
  const uint32_t seed = plan.seed;
  for (uint32_t attempt = 0; int(placed.size()) < plan.count && attempt < 200000; ++attempt) {
    auto unit = [&](uint32_t k) { return double(HashUnit(seed + k, attempt)); };
    // Many small rocks, few large: 16 to 192 units of bounding radius.
    int shape = int(unit(9) * double(rocks.size())) % int(rocks.size());
    double size = 16 * std::pow(12.0, std::pow(unit(10), 2.2));
    double scale = size / radius[size_t(shape)];
    // Half line the lanes, most of the rest gather in clusters.
    DVec3 p;
    const double pick = unit(1);
    const bool lining = pick < 0.5 && BesideALane(plan, seed, attempt, size, p);
    if (!lining && !plan.clusters.empty() && pick < 0.8) {
      const Cluster& c = plan.clusters[size_t(unit(2) * double(plan.clusters.size())) % plan.clusters.size()];
      p = Add(c.centre, {c.radius * Normal(seed + 3, attempt), c.radius * Normal(seed + 4, attempt),
                         0.4 * c.radius * Normal(seed + 5, attempt)});
    } else if (!lining) {
      p = {plan.low.x + unit(6) * (plan.high.x - plan.low.x), plan.low.y + unit(7) * (plan.high.y - plan.low.y),
           plan.low.z + unit(8) * (plan.high.z - plan.low.z)};
    }
    if (!Inside(plan, p, size) || !Free(plan, placed, p, size)) continue;
    placed.push_back({shape, p, RandomAxis(seed + 11, attempt), 360 * unit(12), scale, size});
  }
  return placed;
}

std::string RockBlocks(const FieldPlan& plan, const std::vector<PlacedRock>& rocks, const std::vector<Model>& models) {
  std::string out = kMarker;
  bool first = true;
  for (size_t shape = 0; shape < models.size(); ++shape) {
    bool named = false;
    for (const PlacedRock& r : rocks) {
      if (size_t(r.shape) != shape) continue;
      if (!named) out += "geometry meshes\\" + models[shape].name + ".dat\n";
      named = true;
      out += "mesh\nbegin\nmaterial\n\tdef\n\tdet\n";
      out += first ? "\tmap1 " + plan.rockTexture + "\n\tmap2 textures\\detail_rock.jpg\n" : "\tprev\n\tprev\n";
      first = false;
      DVec3 axis = Normalize(r.axis);
      out += "tiling 3\nposition V(" + Num(r.position.x, 1) + " " + Num(r.position.y, 1) + " " + Num(r.position.z, 1) +
             ")\norient V(" + Num(axis.x, 4) + " " + Num(axis.y, 4) + " " + Num(axis.z, 4) + ") " + Num(r.angle, 2) +
             "\nscale " + Num(r.scale, 3) + "\nend\n\n";
    }
  }
  return out;
}

std::string WithRocks(const std::string& worldText, const std::string& blocks) {
  size_t end = worldText.rfind("ENDWORLD");
  if (end == std::string::npos) return {};
  size_t from = worldText.find(kMarker);
  if (from == std::string::npos || from > end) from = end;
  return worldText.substr(0, from) + blocks + worldText.substr(end);
}
