#include "tools/gen/meshes/builder.h"

#include <algorithm>
#include <array>
#include <tuple>

uint32_t Part::Point(DVec3 p) {
  positions.push_back(p);
  return uint32_t(positions.size() - 1);
}

void Part::Triangle(uint32_t a, uint32_t b, uint32_t c, UV ua, UV ub, UV uc) {
  tris.push_back({{a, b, c}, {ua, ub, uc}});
}

void Part::Quad(uint32_t a, uint32_t b, uint32_t c, uint32_t d, UV ua, UV ub, UV uc, UV ud) {
  Triangle(a, b, c, ua, ub, uc);
  Triangle(a, c, d, ua, uc, ud);
}

void Part::Append(const Part& other, const Frame& place) {
  uint32_t base = uint32_t(positions.size());
  bool mirrored = Determinant(place) < 0;
  for (DVec3 p : other.positions) positions.push_back(Apply(place, p));
  for (Tri t : other.tris) {
    for (uint32_t& v : t.v) v += base;
    if (mirrored) {
      std::swap(t.v[1], t.v[2]);
      std::swap(t.uv[1], t.uv[2]);
    }
    tris.push_back(t);
  }
}

void ProjectBox(Part& part, double tile) {
  for (Part::Tri& t : part.tris) {
    DVec3 a = part.positions[t.v[0]], b = part.positions[t.v[1]], c = part.positions[t.v[2]];
    DVec3 n = Cross(Sub(b, a), Sub(c, a));
    DVec3 s, u;  // texture axes with Cross(s, u) along the face normal
    double ax = std::fabs(n.x), ay = std::fabs(n.y), az = std::fabs(n.z);
    if (ax >= ay && ax >= az) {
      s = {0, n.x > 0 ? 1.0 : -1.0, 0};
      u = {0, 0, 1};
    } else if (ay >= az) {
      s = {n.y > 0 ? -1.0 : 1.0, 0, 0};
      u = {0, 0, 1};
    } else {
      s = {1, 0, 0};
      u = {0, n.z > 0 ? 1.0 : -1.0, 0};
    }
    for (int k = 0; k < 3; ++k) {
      DVec3 p = part.positions[t.v[k]];
      t.uv[k] = {Dot(p, s) / tile, Dot(p, u) / tile};
    }
  }
}

namespace {

// One face of the projection cube: the cone of points whose coordinate `axis`,
// times `sign`, is the largest in size.
struct CubeFace {
  int axis;
  double sign;
};

double Component(DVec3 p, int axis) { return axis == 0 ? p.x : axis == 1 ? p.y : p.z; }

// Signed distance-like value of p from one of the four planes bounding a face.
double Inside(const CubeFace& f, int plane, DVec3 p) {
  int other = (f.axis + 1 + plane / 2) % 3;
  return f.sign * Component(p, f.axis) - (plane % 2 ? -1 : 1) * Component(p, other);
}

// The point where the plane crosses the segment, computed from its endpoints
// in a fixed order so that two triangles sharing the edge cut it alike.
DVec3 Crossing(const CubeFace& f, int plane, DVec3 a, DVec3 b) {
  if (std::tie(b.x, b.y, b.z) < std::tie(a.x, a.y, a.z)) std::swap(a, b);
  double da = Inside(f, plane, a), db = Inside(f, plane, b);
  return Lerp(a, b, da / (da - db));
}

// The part of a convex polygon inside one face's cone.
std::vector<DVec3> ClipToFace(std::vector<DVec3> polygon, const CubeFace& f) {
  for (int plane = 0; plane < 4 && !polygon.empty(); ++plane) {
    std::vector<DVec3> kept;
    for (size_t i = 0; i < polygon.size(); ++i) {
      DVec3 a = polygon[i], b = polygon[(i + 1) % polygon.size()];
      bool aIn = Inside(f, plane, a) >= 0, bIn = Inside(f, plane, b) >= 0;
      if (aIn) kept.push_back(a);
      if (aIn != bIn) kept.push_back(Crossing(f, plane, a, b));
    }
    polygon = std::move(kept);
  }
  return polygon;
}

// Texture coordinate of p on a face, seen from outside unmirrored.
UV OnFace(const CubeFace& f, DVec3 p, double tile) {
  int u = (f.axis + 1) % 3, v = (f.axis + 2) % 3;
  return {f.sign * Component(p, u) / tile, Component(p, v) / tile};
}

using WeldKey = std::tuple<long long, long long, long long>;

WeldKey KeyOf(DVec3 p) {
  const double grid = 1e-6;  // positions this close are one vertex
  return {std::llround(p.x / grid), std::llround(p.y / grid), std::llround(p.z / grid)};
}

double CornerAngle(DVec3 at, DVec3 a, DVec3 b) {
  DVec3 u = Normalize(Sub(a, at)), v = Normalize(Sub(b, at));
  return std::acos(std::clamp(Dot(u, v), -1.0, 1.0));
}


// A placed, welded triangle with its unit normal.
struct PlacedTri {
  std::array<uint32_t, 3> v;
  std::array<UV, 3> uv;
  DVec3 normal;
  std::array<double, 3> angle;
};

}  // namespace

void ProjectCube(Part& part, double tile) {
  std::vector<Part::Tri> whole = std::move(part.tris);
  part.tris.clear();
  for (const Part::Tri& t : whole) {
    std::vector<DVec3> corners{part.positions[t.v[0]], part.positions[t.v[1]], part.positions[t.v[2]]};
    for (int axis = 0; axis < 3; ++axis)
      for (double sign : {1.0, -1.0}) {
        CubeFace face{axis, sign};
        std::vector<DVec3> piece = ClipToFace(corners, face);
        if (piece.size() < 3) continue;
        std::vector<uint32_t> index;
        for (DVec3 p : piece) index.push_back(part.Point(p));
        for (size_t i = 1; i + 1 < piece.size(); ++i)
          part.Triangle(index[0], index[i], index[i + 1], OnFace(face, piece[0], tile), OnFace(face, piece[i], tile),
                        OnFace(face, piece[i + 1], tile));
      }
  }
}

uint32_t MeshBuilder::TexCoord(UV uv) {
  std::pair<float, float> key{float(uv.s), float(uv.t)};
  auto found = texIndex_.find(key);
  if (found != texIndex_.end()) return found->second;
  uint32_t index = mesh_.texCoordCount++;
  mesh_.s.push_back(key.first);
  mesh_.t.push_back(key.second);
  texIndex_.emplace(key, index);
  return index;
}

void MeshBuilder::Add(const Part& part, const Frame& place) {
  Frame frame = Compose(output_, place);
  bool mirrored = Determinant(frame) < 0;

  // Weld coincident placed positions.
  std::map<WeldKey, uint32_t> weld;
  std::vector<DVec3> points;
  std::vector<uint32_t> welded(part.positions.size());
  for (size_t i = 0; i < part.positions.size(); ++i) {
    DVec3 p = Apply(frame, part.positions[i]);
    auto [it, fresh] = weld.emplace(KeyOf(p), uint32_t(points.size()));
    if (fresh) points.push_back(p);
    welded[i] = it->second;
  }

  // Keep triangles with a real area; find the triangles around each vertex.
  std::vector<PlacedTri> tris;
  std::vector<std::vector<uint32_t>> around(points.size());
  for (const Part::Tri& t : part.tris) {
    PlacedTri p{{welded[t.v[0]], welded[t.v[1]], welded[t.v[2]]}, {t.uv[0], t.uv[1], t.uv[2]}, {}, {}};
    if (mirrored) {
      std::swap(p.v[1], p.v[2]);
      std::swap(p.uv[1], p.uv[2]);
    }
    DVec3 a = points[p.v[0]], b = points[p.v[1]], c = points[p.v[2]];
    DVec3 n = Cross(Sub(b, a), Sub(c, a));
    double longest = std::max({Dot(Sub(b, a), Sub(b, a)), Dot(Sub(c, b), Sub(c, b)), Dot(Sub(a, c), Sub(a, c))});
    if (Length(n) <= 1e-7 * longest) continue;
    p.normal = Normalize(n);
    p.angle = {CornerAngle(a, b, c), CornerAngle(b, c, a), CornerAngle(c, a, b)};
    for (uint32_t v : p.v) around[v].push_back(uint32_t(tris.size()));
    tris.push_back(p);
  }

  // Texture coordinates near the origin: whole repeats change nothing.
  double minS = 1e300, minT = 1e300;
  for (const PlacedTri& t : tris)
    for (UV uv : t.uv) {
      minS = std::min(minS, uv.s);
      minT = std::min(minT, uv.t);
    }
  double shiftS = tris.empty() ? 0 : std::floor(minS), shiftT = tris.empty() ? 0 : std::floor(minT);

  std::vector<int64_t> stored(points.size(), -1);
  double cosCrease = std::cos(Radians(part.creaseDegrees));
  for (uint32_t self = 0; self < tris.size(); ++self) {
    const PlacedTri& t = tris[self];
    for (int k = 0; k < 3; ++k) {
      uint32_t v = t.v[k];
      if (stored[v] < 0) {
        stored[v] = mesh_.vertexCount++;
        mesh_.x.push_back(float(points[v].x));
        mesh_.y.push_back(float(points[v].y));
        mesh_.z.push_back(float(points[v].z));
      }
      DVec3 sum;
      for (uint32_t other : around[v]) {
        const PlacedTri& o = tris[other];
        if (other != self && Dot(o.normal, t.normal) < cosCrease) continue;
        int corner = o.v[0] == v ? 0 : o.v[1] == v ? 1 : 2;
        sum = ::Add(sum, Scale(o.normal, o.angle[corner]));
      }
      DVec3 n = Normalize(sum);
      mesh_.corner[k].push_back(uint32_t(stored[v]));
      mesh_.texCorner[k].push_back(TexCoord({t.uv[k].s - shiftS, t.uv[k].t - shiftT}));
      for (double c : {n.x, n.y, n.z}) mesh_.normals.push_back(float(c));
    }
    ++mesh_.faceCount;
  }
}
