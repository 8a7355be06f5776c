// Every generated mesh, and the notes the world builders dress them by.
#pragma once
#include <string>
#include <vector>

#include "tools/gen/meshes/model.h"

// All models in a fixed order; the same bytes on every run.
std::vector<Model> BuildAllModels();
// "meshes.txt": per model its archive path, purpose, counts, bounds, texture
// scale, fly-by distances, and engine and light offsets ready to paste.
std::string DescribeModels(const std::vector<Model>& models);
