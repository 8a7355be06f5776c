// Asteroids: irregular rocks from noise-displaced geodesic spheres with
// craters, centred on the origin, a few to tens of units across at scale 1.
#pragma once
#include <vector>

#include "tools/gen/meshes/model.h"

// "asteroid1" .. "asteroid4": a chunk of 8 units, an elongated rock of 17, a
// two-lobed rock of 18 and a cratered body of 42.
std::vector<Model> BuildAsteroids();
