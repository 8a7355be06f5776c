// "meshes\env.dat": the unit cube drawn around the camera as a sky.
#pragma once
#include "tools/gen/meshes/mesh_writer.h"

MeshFile BuildEnvCube();
