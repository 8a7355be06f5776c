// Asteroids: irregular rocks from noise-displaced geodesic spheres with
// craters, centred on the origin, a few to tens of units across at scale 1.
#pragma once
#include <vector>

#include "tools/gen/meshes/model.h"

// "asteroid1" .. "asteroid4", from a small chunk to a large cratered body.
std::vector<Model> BuildAsteroids();
