// Geometry checks shared by the mesh generator tests.
#pragma once
#include <algorithm>
#include <cmath>

#include "tools/gen/meshes/mesh_writer.h"
#include "tools/gen/meshes/vec.h"

inline V3 ToV3(const MeshFile::Float3& f) { return {f.x, f.y, f.z}; }

inline V3 FaceCross(const MeshFile& mesh, const MeshFile::Face& face) {
  V3 a = ToV3(mesh.positions[face.vertex[0]]), b = ToV3(mesh.positions[face.vertex[1]]),
     c = ToV3(mesh.positions[face.vertex[2]]);
  return Cross(Sub(b, a), Sub(c, a));
}

// Six times the signed volume enclosed: positive when a closed mesh faces outward.
inline double SignedVolume(const MeshFile& mesh) {
  double sum = 0;
  for (const MeshFile::Face& f : mesh.faces)
    sum += Dot(ToV3(mesh.positions[f.vertex[0]]),
               Cross(ToV3(mesh.positions[f.vertex[1]]), ToV3(mesh.positions[f.vertex[2]])));
  return sum / 6;
}

// Twice the signed area of a face's texture triangle.
inline double TextureArea(const MeshFile& mesh, const MeshFile::Face& face) {
  const auto& a = mesh.texCoords[face.texture[0]];
  const auto& b = mesh.texCoords[face.texture[1]];
  const auto& c = mesh.texCoords[face.texture[2]];
  return double(b.s - a.s) * (c.t - a.t) - double(c.s - a.s) * (b.t - a.t);
}

// Distance from p to the triangle a, b, c.
inline double DistanceToTriangle(V3 p, V3 a, V3 b, V3 c) {
  V3 ab = Sub(b, a), ac = Sub(c, a), n = Cross(ab, ac);
  double nn = Dot(n, n);
  if (nn > 0) {
    // Inside the prism over the triangle: the distance to its plane.
    V3 ap = Sub(p, a);
    double u = Dot(Cross(ap, ac), n) / nn, v = Dot(Cross(ab, ap), n) / nn;
    if (u >= 0 && v >= 0 && u + v <= 1) return std::fabs(Dot(ap, n)) / std::sqrt(nn);
  }
  auto toSegment = [&](V3 s, V3 e) {
    V3 d = Sub(e, s);
    double dd = Dot(d, d), t = dd > 0 ? Dot(Sub(p, s), d) / dd : 0;
    t = t < 0 ? 0 : t > 1 ? 1 : t;
    return Length(Sub(p, Add(s, Scale(d, t))));
  };
  return std::min({toSegment(a, b), toSegment(b, c), toSegment(c, a)});
}

inline double DistanceToSurface(const MeshFile& mesh, V3 p) {
  double best = 1e300;
  for (const MeshFile::Face& f : mesh.faces)
    best = std::min(best, DistanceToTriangle(p, ToV3(mesh.positions[f.vertex[0]]), ToV3(mesh.positions[f.vertex[1]]),
                                             ToV3(mesh.positions[f.vertex[2]])));
  return best;
}
