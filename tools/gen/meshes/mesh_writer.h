// The stored mesh format: counts V, F, T, then positions, face corners, face
// texture corners, texture coordinates and corner normals, all little-endian
// 32-bit values, 12 + 12V + 12F + 12F + 8T + 36F bytes in total.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct MeshFile {
  struct Float3 {
    float x, y, z;
  };
  struct Float2 {
    float s, t;
  };
  struct Face {
    uint32_t vertex[3];   // into positions
    uint32_t texture[3];  // into texCoords
    Float3 normal[3];     // per corner, unit length
  };
  std::vector<Float3> positions;
  std::vector<Face> faces;
  std::vector<Float2> texCoords;
};

// The exact file image of `mesh`.
std::vector<uint8_t> EncodeMesh(const MeshFile& mesh);
// Writes the file image; false (with a line on stderr) when the file cannot be written.
bool WriteMeshFile(const std::string& path, const MeshFile& mesh);
