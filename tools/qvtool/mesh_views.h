// Mesh pictures for qvtool meshview: binary meshes compiled with the
// screensaver's own display-list code in a headless GL context and drawn lit
// from above in four views - front, side, top and three-quarter - as the
// flight draws a mesh placed with "look V(1 0 0)" and "right V(0 -1 0)" (a
// ship at rest: nose +x, up +z), back faces culled as in the flight.
#pragma once
#include <cstdint>
#include <vector>

#include "assets/mesh_file.h"

// RGB rows, top first, of a width x height picture with the four views in
// its quarters; meshes after the first are tinted blue and `uvGrid` lays a
// grid of one cell per texture repeat over them. Empty when no GL context
// can be made (the reason is on standard error).
std::vector<uint8_t> RenderMeshViews(const std::vector<MeshFile>& meshes, int width, int height, bool uvGrid);
