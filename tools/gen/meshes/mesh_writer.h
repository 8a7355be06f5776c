// Writing the stored mesh format (assets/mesh_file.h reads it): counts V, F,
// T, then positions, face corners, face texture corners, texture coordinates
// and corner normals, all little-endian 32-bit values,
// 12 + 12V + 12F + 12F + 8T + 36F bytes in total.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "assets/mesh_file.h"

// The exact file image of `mesh`; its counts must match its arrays.
std::vector<uint8_t> EncodeMesh(const MeshFile& mesh);
// Writes the file image; false (with a line on stderr) when the file cannot be written.
bool WriteMeshFile(const std::string& path, const MeshFile& mesh);
