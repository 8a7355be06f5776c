// Mesh files made by the tests: a writer for the binary layout and the
// environment cube "meshes\env.dat" (edge 1, centred on the origin).
#pragma once
#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

struct MeshBytes {
  std::vector<std::array<float, 3>> positions;
  std::vector<std::array<uint32_t, 3>> corners, texCorners;
  std::vector<std::array<float, 2>> texCoords;
  std::vector<std::array<float, 9>> normals;

  std::vector<uint8_t> Encode() const {
    std::vector<uint8_t> out;
    auto put = [&out](uint32_t v) {
      for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
    };
    auto putFloat = [&put](float f) {
      uint32_t bits;
      std::memcpy(&bits, &f, 4);
      put(bits);
    };
    put(uint32_t(positions.size()));
    put(uint32_t(corners.size()));
    put(uint32_t(texCoords.size()));
    for (auto& p : positions) for (float f : p) putFloat(f);
    for (auto& c : corners) for (uint32_t i : c) put(i);
    for (auto& c : texCorners) for (uint32_t i : c) put(i);
    for (auto& t : texCoords) for (float f : t) putFloat(f);
    for (auto& n : normals) for (float f : n) putFloat(f);
    return out;
  }
};

// The cube: corners (-0.5, -0.5, -0.5), (0.5, -0.5, -0.5), (-0.5, 0.5, -0.5),
// (0.5, 0.5, -0.5), then the same with z = 0.5; two triangles a side, wound
// counter-clockwise from outside, with the outward normal at every corner.
// Face i's texture corners pick coordinates 4 (i / 2 % 3) + (0, 2, 3) or
// (3, 1, 0), from three repetitions of (0, 0), (1, 0), (0, 1), (1, 1).
inline MeshBytes EnvMesh() {
  MeshBytes m;
  for (float z : {-0.5f, 0.5f})
    for (float y : {-0.5f, 0.5f})
      for (float x : {-0.5f, 0.5f}) m.positions.push_back({x, y, z});
  m.corners = {{0, 2, 3}, {3, 1, 0}, {4, 5, 7}, {7, 6, 4}, {0, 1, 5}, {5, 4, 0},
               {1, 3, 7}, {7, 5, 1}, {3, 2, 6}, {6, 7, 3}, {2, 0, 4}, {4, 6, 2}};
  const std::array<float, 3> outward[6] = {{0, 0, -1}, {0, 0, 1}, {0, -1, 0},
                                           {1, 0, 0},  {0, 1, 0}, {-1, 0, 0}};
  for (int i = 0; i < 12; ++i) {
    uint32_t base = uint32_t(4 * (i / 2 % 3));
    m.texCorners.push_back(i % 2 == 0 ? std::array<uint32_t, 3>{base, base + 2, base + 3}
                                      : std::array<uint32_t, 3>{base + 3, base + 1, base});
    const auto& n = outward[i / 2];
    m.normals.push_back({n[0], n[1], n[2], n[0], n[1], n[2], n[0], n[1], n[2]});
  }
  for (int r = 0; r < 3; ++r)
    for (auto st : {std::array<float, 2>{0, 0}, {1, 0}, {0, 1}, {1, 1}}) m.texCoords.push_back(st);
  return m;
}
