// The binary mesh format: little-endian, no header magic, no padding. Counts
// V, F, T (unsigned 32-bit), then V positions (x, y, z floats), F face
// corners (three 0-based indices into the positions), F face texture corners
// (three indices into the texture coordinates), T texture coordinates
// (s, t floats; t = 0 is the picture's bottom row) and F corner normals
// (nine floats: corner 0, 1, 2). Pure parsing; nothing of GL.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct MeshFile {
  uint32_t vertexCount = 0;
  uint32_t faceCount = 0;
  uint32_t texCoordCount = 0;
  std::vector<float> x, y, z;           // positions, vertexCount each
  std::vector<uint32_t> corner[3];      // vertex index of corner k, faceCount each
  std::vector<uint32_t> texCorner[3];   // texture-coordinate index of corner k
  std::vector<float> s, t;              // texture coordinates, texCoordCount each
  std::vector<float> normals;           // faceCount * 9: corner 0 x, y, z, corner 1, corner 2
};

struct MeshCheck {
  bool ok = false;           // every array was read and every index lies in its array
  bool sizeMatches = false;  // the data is exactly as long as its counts say
  std::string problem;       // the first problem found; empty when ok
};

// Bytes of a file with these counts: 12 + 12 V + 60 F + 8 T.
uint64_t MeshFileSize(uint32_t vertexCount, uint32_t faceCount, uint32_t texCoordCount);

// Parses size bytes at data into mesh. Counts that the data cannot hold and
// indices beyond their arrays fail the whole mesh (check.ok false, mesh
// emptied) before anything is drawn; nothing outside the data is read.
// Bytes after the last normal are ignored but reported by sizeMatches.
MeshCheck ParseMeshFile(const uint8_t* data, size_t size, MeshFile& mesh);
