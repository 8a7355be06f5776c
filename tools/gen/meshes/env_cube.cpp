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
  for (int i = 0; i < 8; ++i)
    mesh.positions.push_back({(i & 1) ? 0.5f : -0.5f, (i & 2) ? 0.5f : -0.5f, (i & 4) ? 0.5f : -0.5f});
  for (int set = 0; set < 3; ++set)
    for (int corner = 0; corner < 4; ++corner) mesh.texCoords.push_back({float(corner & 1), float(corner >> 1)});

  const uint32_t corners[12][3] = {{0, 2, 3}, {3, 1, 0}, {4, 5, 7}, {7, 6, 4}, {0, 1, 5}, {5, 4, 0},
                                   {1, 3, 7}, {7, 5, 1}, {3, 2, 6}, {6, 7, 3}, {2, 0, 4}, {4, 6, 2}};
  // Per side (two faces each): outward normal, the inside viewer's right and
  // up directions, and which repetition of the four texture coordinates it uses.
  struct Side {
    MeshFile::Float3 normal, right, up;
    uint32_t set;
  };
  const Side sides[6] = {
      {{0, 0, -1}, {1, 0, 0}, {0, 1, 0}, 0},  {{0, 0, 1}, {1, 0, 0}, {0, -1, 0}, 0},
      {{0, -1, 0}, {-1, 0, 0}, {0, 0, 1}, 1}, {{1, 0, 0}, {0, -1, 0}, {0, 0, 1}, 2},
      {{0, 1, 0}, {1, 0, 0}, {0, 0, 1}, 1},   {{-1, 0, 0}, {0, 1, 0}, {0, 0, 1}, 2},
  };
  for (int f = 0; f < 12; ++f) {
    const Side& side = sides[f / 2];
    MeshFile::Face face;
    for (int k = 0; k < 3; ++k) {
      const MeshFile::Float3& p = mesh.positions[corners[f][k]];
      bool sHigh = p.x * side.right.x + p.y * side.right.y + p.z * side.right.z > 0;
      bool tHigh = p.x * side.up.x + p.y * side.up.y + p.z * side.up.z > 0;
      face.vertex[k] = corners[f][k];
      face.texture[k] = 4 * side.set + (sHigh ? 1 : 0) + (tHigh ? 2 : 0);
      face.normal[k] = side.normal;
    }
    mesh.faces.push_back(face);
  }
  return mesh;
}
