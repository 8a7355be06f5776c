#include "tools/gen/meshes/env_cube.h"

// Positions, face corners and texture coordinates are the stored reference
// values. The faces wind counter-clockwise seen from outside (the first one,
// on the z = -0.5 side, gives Cross(p2 - p0, p3 - p0) = (0, 0, -1)), so the
// normals point outward to agree with the winding. The cube is only drawn as
// an "env" sky from inside, where the sphere renderer turns lighting off and
// never enables culling: the camera sees the back faces and neither the
// normals nor the winding decide anything there. The texture corners are
// chosen for that inside view: each face shows its picture unmirrored, the
// walls with t rising along +z, the floor and ceiling turned so that their
// edges meet the +y wall like the folds of an unrolled cube.
MeshFile BuildEnvCube() {
  MeshFile mesh;
  mesh.vertexCount = 8, mesh.faceCount = 12, mesh.texCoordCount = 12;
  for (int i = 0; i < 8; ++i) {
    mesh.x.push_back((i & 1) ? 0.5f : -0.5f);
    mesh.y.push_back((i & 2) ? 0.5f : -0.5f);
    mesh.z.push_back((i & 4) ? 0.5f : -0.5f);
  }
  for (int set = 0; set < 3; ++set)
    for (int corner = 0; corner < 4; ++corner) {
      mesh.s.push_back(float(corner & 1));
      mesh.t.push_back(float(corner >> 1));
    }

  const uint32_t corners[12][3] = {{0, 2, 3}, {3, 1, 0}, {4, 5, 7}, {7, 6, 4}, {0, 1, 5}, {5, 4, 0},
                                   {1, 3, 7}, {7, 5, 1}, {3, 2, 6}, {6, 7, 3}, {2, 0, 4}, {4, 6, 2}};
  // Per side (two faces each): outward normal, the inside viewer's right and
  // up directions, and which repetition of the four texture coordinates it uses.
  struct Side {
    float normal[3], right[3], up[3];
    uint32_t set;
  };
  const Side sides[6] = {
      {{0, 0, -1}, {1, 0, 0}, {0, 1, 0}, 0},  {{0, 0, 1}, {1, 0, 0}, {0, -1, 0}, 0},
      {{0, -1, 0}, {-1, 0, 0}, {0, 0, 1}, 1}, {{1, 0, 0}, {0, -1, 0}, {0, 0, 1}, 2},
      {{0, 1, 0}, {1, 0, 0}, {0, 0, 1}, 1},   {{-1, 0, 0}, {0, 1, 0}, {0, 0, 1}, 2},
  };
  for (int f = 0; f < 12; ++f) {
    const Side& side = sides[f / 2];
    for (int k = 0; k < 3; ++k) {
      uint32_t v = corners[f][k];
      float p[3] = {mesh.x[v], mesh.y[v], mesh.z[v]};
      bool sHigh = p[0] * side.right[0] + p[1] * side.right[1] + p[2] * side.right[2] > 0;
      bool tHigh = p[0] * side.up[0] + p[1] * side.up[1] + p[2] * side.up[2] > 0;
      mesh.corner[k].push_back(v);
      mesh.texCorner[k].push_back(4 * side.set + (sHigh ? 1 : 0) + (tHigh ? 2 : 0));
      mesh.normals.insert(mesh.normals.end(), side.normal, side.normal + 3);
    }
  }
  return mesh;
}
