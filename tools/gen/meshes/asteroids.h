// Asteroids: irregular rocks from noise-displaced geodesic spheres with
// craters, centred on the origin, a few to tens of units across at scale 1.
#pragma once
#include <vector>

#include "tools/gen/meshes/model.h"

// "asteroid1" .. "asteroid10": chunks, slabs, shards, boulders and lobed
// rocks of 8 to 20 units, and "asteroid4", a cratered body of 42.
std::vector<Model> BuildAsteroids();
