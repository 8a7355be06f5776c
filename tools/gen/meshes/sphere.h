// "meshes\sphere.dat": the unit sphere of planets, shells and sky spheres.
// Poles on the y axis (north +y, the default spin axis of spheres);
// equirectangular texture coordinates: s is longitude from 0 to 1 eastward
// (unmirrored seen from outside), t latitude from 0 at the south pole to 1 at
// the north pole. 642 positions, 718 texture coordinates, 1280 faces.
#pragma once
#include "tools/gen/meshes/mesh_writer.h"

MeshFile BuildSphere();
