#include "tools/gen/meshes/sphere.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/gen/meshes/vec.h"

namespace {

// Forty-seven rings of latitude, evenly spaced (3.75 degrees apart). At the
// equator a ring has 96 points, so the outline steps by the same angle both
// ways and stays round to within a pixel on a planet that fills the screen;
// towards the poles the rings thin out with the cosine of latitude, to no
// fewer than 24 points. Every ring has a point on the seam meridian, which
// therefore runs exactly along s = 0 and s = 1, and neighbouring rings are
// stitched by longitude.
constexpr int kRings = 47;
constexpr int kEquatorPoints = 96;
constexpr int kPolarPoints = 24;

int RingPoints(double latitude) {
  return std::max(kPolarPoints, int(std::lround(kEquatorPoints * std::cos(latitude))));
}

struct Ring {
  uint32_t firstPosition;
  uint32_t firstTexCoord;  // points + 1 coordinates, s from 0 to 1
  int points;
};

void AddPosition(MeshFile& mesh, double x, double y, double z) {
  mesh.x.push_back(float(x));
  mesh.y.push_back(float(y));
  mesh.z.push_back(float(z));
  ++mesh.vertexCount;
}

void AddTexCoord(MeshFile& mesh, double s, double t) {
  mesh.s.push_back(float(s));
  mesh.t.push_back(float(t));
  ++mesh.texCoordCount;
}

// A face whose corner normals are its corner positions.
void AddFace(MeshFile& mesh, uint32_t a, uint32_t b, uint32_t c, uint32_t ta, uint32_t tb, uint32_t tc) {
  const uint32_t corners[3] = {a, b, c}, textures[3] = {ta, tb, tc};
  for (int k = 0; k < 3; ++k) {
    mesh.corner[k].push_back(corners[k]);
    mesh.texCorner[k].push_back(textures[k]);
    for (const auto* axis : {&mesh.x, &mesh.y, &mesh.z}) mesh.normals.push_back((*axis)[corners[k]]);
  }
  ++mesh.faceCount;
}

// Stitches ring `low` to the ring above it, walking both by longitude.
void Stitch(MeshFile& mesh, const Ring& low, const Ring& high) {
  int i = 0, j = 0;
  while (i < low.points || j < high.points) {
    double nextLow = double(i + 1) / low.points, nextHigh = double(j + 1) / high.points;
    uint32_t li = low.firstPosition + i % low.points, hj = high.firstPosition + j % high.points;
    if (j == high.points || (i < low.points && nextLow <= nextHigh)) {
      AddFace(mesh, li, low.firstPosition + (i + 1) % low.points, hj, low.firstTexCoord + i, low.firstTexCoord + i + 1,
              high.firstTexCoord + j);
      ++i;
    } else {
      AddFace(mesh, li, high.firstPosition + (j + 1) % high.points, hj, low.firstTexCoord + i,
              high.firstTexCoord + j + 1, high.firstTexCoord + j);
      ++j;
    }
  }
}

// Closes a polar ring with one face per ring segment, each with its own pole
// coordinate in the middle of the segment, so the map pinches without a twist.
void Cap(MeshFile& mesh, const Ring& ring, uint32_t pole, double t, bool north) {
  for (int k = 0; k < ring.points; ++k) {
    uint32_t poleTex = mesh.texCoordCount;
    AddTexCoord(mesh, (k + 0.5) / ring.points, t);
    uint32_t a = ring.firstPosition + k, b = ring.firstPosition + (k + 1) % ring.points;
    uint32_t ta = ring.firstTexCoord + k, tb = ring.firstTexCoord + k + 1;
    if (north)
      AddFace(mesh, pole, a, b, poleTex, ta, tb);
    else
      AddFace(mesh, pole, b, a, poleTex, tb, ta);
  }
}

}  // namespace

MeshFile BuildSphere() {
  MeshFile mesh;
  std::vector<Ring> rings;
  for (int r = 0; r < kRings; ++r) {
    double t = double(r + 1) / (kRings + 1);
    double latitude = -kPi / 2 + kPi * t;
    Ring ring{mesh.vertexCount, mesh.texCoordCount, RingPoints(latitude)};
    for (int k = 0; k < ring.points; ++k) {
      double longitude = 2 * kPi * k / ring.points;
      AddPosition(mesh, std::cos(latitude) * std::sin(longitude), std::sin(latitude),
                  std::cos(latitude) * std::cos(longitude));
    }
    for (int k = 0; k <= ring.points; ++k) AddTexCoord(mesh, double(k) / ring.points, t);
    rings.push_back(ring);
  }
  uint32_t south = mesh.vertexCount, north = south + 1;
  AddPosition(mesh, 0, -1, 0);
  AddPosition(mesh, 0, 1, 0);

  Cap(mesh, rings.front(), south, 0.0, false);
  for (int r = 0; r + 1 < kRings; ++r) Stitch(mesh, rings[r], rings[r + 1]);
  Cap(mesh, rings.back(), north, 1.0, true);
  return mesh;
}
