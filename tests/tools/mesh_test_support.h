// Geometry checks shared by the mesh generator tests.
#pragma once
#include <algorithm>
#include <cmath>

#include "assets/mesh_file.h"
#include "tools/gen/meshes/vec.h"

inline DVec3 Position(const MeshFile& mesh, uint32_t i) { return {mesh.x[i], mesh.y[i], mesh.z[i]}; }
inline DVec3 CornerPosition(const MeshFile& mesh, uint32_t face, int k) { return Position(mesh, mesh.corner[k][face]); }
inline DVec3 CornerNormal(const MeshFile& mesh, uint32_t face, int k) {
  const float* n = &mesh.normals[size_t(face) * 9 + size_t(k) * 3];
  return {n[0], n[1], n[2]};
}
inline UV CornerTexCoord(const MeshFile& mesh, uint32_t face, int k) {
  uint32_t t = mesh.texCorner[k][face];
  return {mesh.s[t], mesh.t[t]};
}

inline DVec3 FaceCross(const MeshFile& mesh, uint32_t face) {
  DVec3 a = CornerPosition(mesh, face, 0), b = CornerPosition(mesh, face, 1), c = CornerPosition(mesh, face, 2);
  return Cross(Sub(b, a), Sub(c, a));
}

// Six times the signed volume enclosed: positive when a closed mesh faces outward.
inline double SignedVolume(const MeshFile& mesh) {
  double sum = 0;
  for (uint32_t f = 0; f < mesh.faceCount; ++f)
    sum += Dot(CornerPosition(mesh, f, 0), Cross(CornerPosition(mesh, f, 1), CornerPosition(mesh, f, 2)));
  return sum / 6;
}

// Twice the signed area of a face's texture triangle.
inline double TextureArea(const MeshFile& mesh, uint32_t face) {
  UV a = CornerTexCoord(mesh, face, 0), b = CornerTexCoord(mesh, face, 1), c = CornerTexCoord(mesh, face, 2);
  return (b.s - a.s) * (c.t - a.t) - (c.s - a.s) * (b.t - a.t);
}

inline double Radius(const MeshFile& mesh) {
  double r = 0;
  for (uint32_t i = 0; i < mesh.vertexCount; ++i) r = std::max(r, Length(Position(mesh, i)));
  return r;
}

// Distance from p to the triangle a, b, c.
inline double DistanceToTriangle(DVec3 p, DVec3 a, DVec3 b, DVec3 c) {
  DVec3 ab = Sub(b, a), ac = Sub(c, a), n = Cross(ab, ac);
  double nn = Dot(n, n);
  if (nn > 0) {
    // Inside the prism over the triangle: the distance to its plane.
    DVec3 ap = Sub(p, a);
    double u = Dot(Cross(ap, ac), n) / nn, v = Dot(Cross(ab, ap), n) / nn;
    if (u >= 0 && v >= 0 && u + v <= 1) return std::fabs(Dot(ap, n)) / std::sqrt(nn);
  }
  auto toSegment = [&](DVec3 s, DVec3 e) {
    DVec3 d = Sub(e, s);
    double dd = Dot(d, d), t = dd > 0 ? Dot(Sub(p, s), d) / dd : 0;
    t = t < 0 ? 0 : t > 1 ? 1 : t;
    return Length(Sub(p, Add(s, Scale(d, t))));
  };
  return std::min({toSegment(a, b), toSegment(b, c), toSegment(c, a)});
}

inline double DistanceToSurface(const MeshFile& mesh, DVec3 p) {
  double best = 1e300;
  for (uint32_t f = 0; f < mesh.faceCount; ++f)
    best = std::min(best, DistanceToTriangle(p, CornerPosition(mesh, f, 0), CornerPosition(mesh, f, 1),
                                             CornerPosition(mesh, f, 2)));
  return best;
}
