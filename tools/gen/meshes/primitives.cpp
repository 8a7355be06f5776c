#include "tools/gen/meshes/primitives.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace {

// Adds triangle a, b, c turned so that its front faces away from `inside`.
void OutwardTriangle(Part& part, uint32_t a, uint32_t b, uint32_t c, DVec3 inside) {
  DVec3 pa = part.positions[a], pb = part.positions[b], pc = part.positions[c];
  DVec3 n = Cross(Sub(pb, pa), Sub(pc, pa));
  DVec3 centre = Scale(Add(pa, Add(pb, pc)), 1.0 / 3);
  if (Dot(n, Sub(centre, inside)) < 0) std::swap(b, c);
  part.Triangle(a, b, c, {}, {}, {});
}

// Joins two rings of equal length (each listing its first point again at the
// end) with quads; outward when ring b lies ahead of ring a and the rings run
// counter-clockwise seen from ahead, looking back.
void Skin(Part& part, const std::vector<uint32_t>& a, const std::vector<uint32_t>& b,
          const std::vector<UV>& uvA, const std::vector<UV>& uvB) {
  for (size_t k = 0; k + 1 < a.size(); ++k)
    part.Quad(a[k], a[k + 1], b[k + 1], b[k], uvA[k], uvA[k + 1], uvB[k + 1], uvB[k]);
}

// Fan over a convex ring (first point repeated at the end) around `centre`;
// facing forward (along the skin direction) when `front`, else backward.
void Cap(Part& part, const std::vector<uint32_t>& ring, uint32_t centre, bool front) {
  for (size_t k = 0; k + 1 < ring.size(); ++k) {
    if (front)
      part.Triangle(centre, ring[k], ring[k + 1], {}, {}, {});
    else
      part.Triangle(centre, ring[k + 1], ring[k], {}, {}, {});
  }
}

// Repeats around a circumference, a whole number so the wrap is seamless.
double RepeatsAround(double radius, double tile) {
  return std::max(1.0, std::round(2 * kPi * radius / tile));
}

double SuperCos(double angle, double exponent) {
  double c = std::cos(angle);
  return std::copysign(std::pow(std::fabs(c), 2.0 / exponent), c);
}

}  // namespace

Part Box(DVec3 size, double tile, double chamfer) {
  Part part;
  DVec3 h = Scale(size, 0.5);
  double b = std::min({chamfer, h.x * 0.9, h.y * 0.9, h.z * 0.9});
  // Three points per corner, one on each of its faces; they coincide without a chamfer.
  uint32_t point[2][2][2][3];
  for (int i = 0; i < 8; ++i) {
    double sx = (i & 1) ? 1 : -1, sy = (i & 2) ? 1 : -1, sz = (i & 4) ? 1 : -1;
    uint32_t* p = point[i & 1][(i >> 1) & 1][(i >> 2) & 1];
    p[0] = part.Point({sx * h.x, sy * (h.y - b), sz * (h.z - b)});
    p[1] = part.Point({sx * (h.x - b), sy * h.y, sz * (h.z - b)});
    p[2] = part.Point({sx * (h.x - b), sy * (h.y - b), sz * h.z});
  }
  auto P = [&](int x, int y, int z, int axis) { return point[x][y][z][axis]; };
  for (int s = 0; s < 2; ++s) {
    // The six faces.
    OutwardTriangle(part, P(s, 0, 0, 0), P(s, 1, 0, 0), P(s, 1, 1, 0), {});
    OutwardTriangle(part, P(s, 0, 0, 0), P(s, 1, 1, 0), P(s, 0, 1, 0), {});
    OutwardTriangle(part, P(0, s, 0, 1), P(1, s, 0, 1), P(1, s, 1, 1), {});
    OutwardTriangle(part, P(0, s, 0, 1), P(1, s, 1, 1), P(0, s, 1, 1), {});
    OutwardTriangle(part, P(0, 0, s, 2), P(1, 0, s, 2), P(1, 1, s, 2), {});
    OutwardTriangle(part, P(0, 0, s, 2), P(1, 1, s, 2), P(0, 1, s, 2), {});
    for (int t = 0; t < 2; ++t) {
      // The twelve edge bevels, between the faces of two axes.
      OutwardTriangle(part, P(s, t, 0, 0), P(s, t, 1, 0), P(s, t, 1, 1), {});
      OutwardTriangle(part, P(s, t, 0, 0), P(s, t, 1, 1), P(s, t, 0, 1), {});
      OutwardTriangle(part, P(s, 0, t, 0), P(s, 1, t, 0), P(s, 1, t, 2), {});
      OutwardTriangle(part, P(s, 0, t, 0), P(s, 1, t, 2), P(s, 0, t, 2), {});
      OutwardTriangle(part, P(0, s, t, 1), P(1, s, t, 1), P(1, s, t, 2), {});
      OutwardTriangle(part, P(0, s, t, 1), P(1, s, t, 2), P(0, s, t, 2), {});
      // The eight corner facets.
      for (int u = 0; u < 2; ++u) OutwardTriangle(part, P(s, t, u, 0), P(s, t, u, 1), P(s, t, u, 2), {});
    }
  }
  part.creaseDegrees = 30;
  ProjectBox(part, tile);
  return part;
}

Part Bar(DVec3 a, DVec3 b, double width, double tile, DVec3 hint) {
  double length = Length(Sub(b, a));
  Part box = Box({width, width, length}, tile);
  Part part;
  part.creaseDegrees = box.creaseDegrees;
  Frame frame = Compose(AlongAxis(a, Sub(b, a), hint), At(0, 0, length / 2));
  part.Append(box, frame);
  return part;
}

Part Lathe(const std::vector<ProfilePoint>& profile, int segments, double tile, bool closed) {
  Part part;
  double rmax = 0;
  for (const ProfilePoint& p : profile) rmax = std::max(rmax, p.r);
  double repeats = RepeatsAround(rmax, tile);
  std::vector<std::vector<uint32_t>> rings;
  std::vector<double> along{0};
  for (size_t i = 0; i < profile.size(); ++i) {
    std::vector<uint32_t> ring;
    for (int j = 0; j < segments; ++j) {
      double a = 2 * kPi * j / segments;
      ring.push_back(part.Point({profile[i].r * std::cos(a), profile[i].r * std::sin(a), profile[i].z}));
    }
    ring.push_back(ring.front());
    rings.push_back(ring);
    if (i > 0) along.push_back(along.back() + std::hypot(profile[i].r - profile[i - 1].r, profile[i].z - profile[i - 1].z));
  }
  size_t n = profile.size();
  if (closed) {
    rings.push_back(rings.front());
    along.push_back(along.back() + std::hypot(profile[0].r - profile[n - 1].r, profile[0].z - profile[n - 1].z));
  }
  auto uvs = [&](size_t i) {
    std::vector<UV> uv;
    bool pole = profile[i % n].r == 0;
    for (int j = 0; j <= segments; ++j)
      uv.push_back({repeats * (j + (pole ? 0.5 : 0.0)) / segments, along[i] / tile});
    return uv;
  };
  for (size_t i = 0; i + 1 < rings.size(); ++i) Skin(part, rings[i], rings[i + 1], uvs(i), uvs(i + 1));
  return part;
}

Part Cylinder(double r, double length, int segments, double tile) {
  return Lathe({{0, 0}, {r, 0}, {r, length}, {0, length}}, segments, tile);
}

Part Sphere(double r, int rings, int segments, double tile) {
  std::vector<ProfilePoint> profile;
  for (int i = 0; i <= rings; ++i) {
    double a = -kPi / 2 + kPi * i / rings;
    profile.push_back({i == 0 || i == rings ? 0 : r * std::cos(a), r * std::sin(a)});
  }
  return Lathe(profile, segments, tile);
}

Part Torus(double major, double minor, int segmentsMajor, int segmentsMinor, double tile) {
  std::vector<ProfilePoint> profile;
  for (int i = 0; i < segmentsMinor; ++i) {
    double a = 2 * kPi * i / segmentsMinor;
    profile.push_back({major + minor * std::cos(a), minor * std::sin(a)});
  }
  return Lathe(profile, segmentsMajor, tile, true);
}

namespace {

// Skins rings of section points (each `points(section)` runs from the keel up
// the +y side) and caps open ends; texture s along x, t around the section.
template <typename PointsOf>
Part SkinSections(const std::vector<Section>& sections, PointsOf points, double tile) {
  Part part;
  std::vector<std::vector<uint32_t>> rings;
  std::vector<std::vector<UV>> uvs;
  for (const Section& s : sections) {
    std::vector<DVec3> ringPoints = points(s);
    size_t around = ringPoints.size();
    std::vector<uint32_t> ring;
    std::vector<UV> uv;
    double arc = 0;
    for (size_t k = 0; k <= around; ++k) {
      if (k > 0) arc += Length(Sub(ringPoints[k % around], ringPoints[k - 1]));
      ring.push_back(k < around ? part.Point(ringPoints[k]) : ring.front());
      uv.push_back({s.x / tile, arc / tile});
    }
    rings.push_back(ring);
    uvs.push_back(uv);
  }
  for (size_t i = 0; i + 1 < rings.size(); ++i) Skin(part, rings[i], rings[i + 1], uvs[i], uvs[i + 1]);
  size_t first = part.tris.size();
  for (int end = 0; end < 2; ++end) {
    const Section& s = end ? sections.back() : sections.front();
    if (s.halfWidth <= 0 || s.halfHeight <= 0) continue;
    Cap(part, end ? rings.back() : rings.front(), part.Point({s.x, 0, s.z0}), end == 1);
  }
  for (size_t i = first; i < part.tris.size(); ++i)
    for (int k = 0; k < 3; ++k) {
      DVec3 p = part.positions[part.tris[i].v[k]];
      part.tris[i].uv[k] = {p.y / tile, p.z / tile};
    }
  return part;
}

}  // namespace

Part Loft(const std::vector<Section>& sections, int around, double tile) {
  Part part = SkinSections(
      sections,
      [around](const Section& s) {
        std::vector<DVec3> points;
        for (int k = 0; k < around; ++k) {
          double a = 2 * kPi * k / around;  // from the keel, up the +y side
          points.push_back(
              {s.x, s.halfWidth * SuperCos(a - kPi / 2, s.exponent), s.z0 - s.halfHeight * SuperCos(a, s.exponent)});
        }
        return points;
      },
      tile);
  part.creaseDegrees = 50;
  return part;
}

Part PolyLoft(const std::vector<Section>& sections, const std::vector<UV>& shape, double tile) {
  Part part = SkinSections(
      sections,
      [&shape](const Section& s) {
        std::vector<DVec3> points;
        for (UV p : shape) points.push_back({s.x, s.halfWidth * p.s, s.z0 + s.halfHeight * p.t});
        return points;
      },
      tile);
  part.creaseDegrees = 20;
  return part;
}

Part Wing(const WingShape& w, double tile) {
  Part part;
  part.creaseDegrees = 25;
  // Hexagonal airfoil: trailing edge, upper rear, upper front, leading edge,
  // lower front, lower rear - counter-clockwise seen from the root.
  const double chordAt[6] = {1.0, 0.7, 0.22, 0.0, 0.22, 0.7};
  const double lift[6] = {0, 0.5, 0.5, 0, -0.5, -0.5};
  std::vector<std::vector<uint32_t>> rings;
  for (int end = 0; end < 2; ++end) {
    double chord = end ? w.tipChord : w.rootChord, thick = end ? w.tipThickness : w.rootThickness;
    double lead = end ? w.sweep : 0, y = end ? w.span : 0;
    std::vector<uint32_t> ring;
    for (int k = 0; k < 6; ++k) ring.push_back(part.Point({lead - chord * chordAt[k], y, thick * lift[k]}));
    ring.push_back(ring.front());
    rings.push_back(ring);
  }
  std::vector<UV> none(7);
  Skin(part, rings[0], rings[1], none, none);
  for (int end = 0; end < 2; ++end) {
    double chord = end ? w.tipChord : w.rootChord, lead = end ? w.sweep : 0;
    Cap(part, rings[end], part.Point({lead - chord * 0.5, end ? w.span : 0, 0}), end == 1);
  }
  ProjectBox(part, tile);
  return part;
}

Part Prism(const std::vector<UV>& outline, double height, double tile) {
  Part part;
  part.creaseDegrees = 30;
  std::vector<uint32_t> bottom, top;
  for (UV p : outline) {
    bottom.push_back(part.Point({p.s, p.t, 0}));
    top.push_back(part.Point({p.s, p.t, height}));
  }
  bottom.push_back(bottom.front());
  top.push_back(top.front());
  std::vector<UV> none(bottom.size());
  Skin(part, bottom, top, none, none);
  DVec3 centre;
  for (UV p : outline) centre = Add(centre, {p.s, p.t, 0});
  centre = Scale(centre, 1.0 / outline.size());
  Cap(part, bottom, part.Point(centre), false);
  Cap(part, top, part.Point({centre.x, centre.y, height}), true);
  ProjectBox(part, tile);
  return part;
}

Part Truss(double length, double width, int bays, double bar, double tile) {
  Part part;
  double h = width / 2;
  const double corner[5][2] = {{-h, -h}, {h, -h}, {h, h}, {-h, h}, {-h, -h}};
  for (int c = 0; c < 4; ++c)
    part.Append(Bar({corner[c][0], corner[c][1], 0}, {corner[c][0], corner[c][1], length}, bar, tile));
  for (int i = 0; i < bays; ++i) {
    double z0 = length * i / bays, z1 = length * (i + 1) / bays;
    for (int c = 0; c < 4; ++c) {
      bool flip = (i + c) % 2 == 1;
      DVec3 a{corner[c][0], corner[c][1], flip ? z1 : z0}, b{corner[c + 1][0], corner[c + 1][1], flip ? z0 : z1};
      DVec3 inward = Scale(Normalize(Add(Add(a, b), DVec3{0, 0, -(z0 + z1)})), -bar * 0.5);
      part.Append(Bar(Add(a, inward), Add(b, inward), bar * 0.6, tile, Add(a, b)));
    }
  }
  part.creaseDegrees = 30;
  return part;
}

Part Dish(double radius, double depth, int segments, double tile) {
  std::vector<ProfilePoint> profile;
  const int steps = 6;
  double thickness = radius * 0.04;
  profile.push_back({0, -thickness});
  for (int i = 1; i <= steps; ++i) {
    double r = radius * i / steps;
    profile.push_back({r, depth * (r / radius) * (r / radius) - thickness});
  }
  for (int i = steps; i >= 0; --i) {
    double r = radius * i / steps;
    profile.push_back({r, depth * (r / radius) * (r / radius)});
  }
  Part part = Lathe(profile, segments, tile);
  part.creaseDegrees = 45;
  double focus = radius * radius / (4 * depth);
  for (int k = 0; k < 3; ++k) {
    double a = 2 * kPi * k / 3;
    DVec3 foot{radius * 0.8 * std::cos(a), radius * 0.8 * std::sin(a), depth * 0.64};
    part.Append(Bar(foot, {0, 0, focus}, radius * 0.03, tile));
  }
  part.Append(Cylinder(radius * 0.08, radius * 0.15, 8, tile), At(0, 0, focus - radius * 0.05));
  return part;
}

Part Nozzle(double base, double exit, double length, int segments, double tile) {
  Part part = Lathe({{0, 0},
                     {base, 0},
                     {base, length * 0.25},
                     {exit * 1.06, length},
                     {exit * 0.94, length * 0.98},
                     {exit * 0.62, length * 0.55},
                     {exit * 0.62, length * 0.45},
                     {0, length * 0.45}},
                    segments, tile);
  part.creaseDegrees = 35;
  return part;
}

Part Icosphere(int frequency) {
  Part part;
  const double t = (1 + std::sqrt(5.0)) / 2;
  const DVec3 corners[12] = {{-1, t, 0}, {1, t, 0}, {-1, -t, 0}, {1, -t, 0}, {0, -1, t}, {0, 1, t},
                          {0, -1, -t}, {0, 1, -t}, {t, 0, -1}, {t, 0, 1}, {-t, 0, -1}, {-t, 0, 1}};
  const int faces[20][3] = {{0, 11, 5}, {0, 5, 1},  {0, 1, 7},   {0, 7, 10}, {0, 10, 11}, {1, 5, 9}, {5, 11, 4},
                            {11, 10, 2}, {10, 7, 6}, {7, 1, 8},  {3, 9, 4},  {3, 4, 2},   {3, 2, 6}, {3, 6, 8},
                            {3, 8, 9},   {4, 9, 5},  {2, 4, 11}, {6, 2, 10}, {8, 6, 7},   {9, 8, 1}};
  // Points on shared edges come out of both faces; keep one of each.
  std::map<std::tuple<long long, long long, long long>, uint32_t> shared;
  auto point = [&](DVec3 p) {
    p = Normalize(p);
    auto key = std::make_tuple(std::llround(p.x * 1e9), std::llround(p.y * 1e9), std::llround(p.z * 1e9));
    auto [it, fresh] = shared.emplace(key, uint32_t(part.positions.size()));
    if (fresh) part.positions.push_back(p);
    return it->second;
  };
  const int n = frequency;
  for (const auto& f : faces) {
    DVec3 a = corners[f[0]], b = corners[f[1]], c = corners[f[2]];
    std::vector<std::vector<uint32_t>> grid(n + 1);
    for (int i = 0; i <= n; ++i)
      for (int j = 0; j <= n - i; ++j)
        grid[i].push_back(point(Add(Scale(a, double(n - i - j) / n), Add(Scale(b, double(i) / n), Scale(c, double(j) / n)))));
    for (int i = 0; i < n; ++i)
      for (int j = 0; j < n - i; ++j) {
        part.Triangle(grid[i][j], grid[i + 1][j], grid[i][j + 1], {}, {}, {});
        if (j + 1 < n - i) part.Triangle(grid[i + 1][j], grid[i + 1][j + 1], grid[i][j + 1], {}, {}, {});
      }
  }
  return part;
}

Part Panel(double width, double length, double thickness) {
  Part part = Box({width, thickness, length}, 1);
  double across = std::max(1.0, std::round(width / length)), along = std::max(1.0, std::round(length / width));
  for (Part::Tri& t : part.tris)
    for (int k = 0; k < 3; ++k) {
      DVec3 p = part.positions[t.v[k]];
      t.uv[k] = {(p.x / width + 0.5) * across, (p.z / length + 0.5) * along};
    }
  return part;
}
