#include "tools/gen/meshes/mesh_writer.h"

#include <cstdio>
#include <cstring>

namespace {

void PutU32(std::vector<uint8_t>& out, uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(uint8_t(v >> shift));
}

void PutFloat(std::vector<uint8_t>& out, float f) {
  uint32_t bits;
  std::memcpy(&bits, &f, sizeof bits);
  PutU32(out, bits);
}

void PutFloat3(std::vector<uint8_t>& out, const MeshFile::Float3& v) {
  PutFloat(out, v.x);
  PutFloat(out, v.y);
  PutFloat(out, v.z);
}

}  // namespace

std::vector<uint8_t> EncodeMesh(const MeshFile& mesh) {
  std::vector<uint8_t> out;
  out.reserve(12 + 12 * mesh.positions.size() + 60 * mesh.faces.size() + 8 * mesh.texCoords.size());
  PutU32(out, uint32_t(mesh.positions.size()));
  PutU32(out, uint32_t(mesh.faces.size()));
  PutU32(out, uint32_t(mesh.texCoords.size()));
  for (const auto& p : mesh.positions) PutFloat3(out, p);
  for (const auto& f : mesh.faces)
    for (uint32_t v : f.vertex) PutU32(out, v);
  for (const auto& f : mesh.faces)
    for (uint32_t t : f.texture) PutU32(out, t);
  for (const auto& t : mesh.texCoords) {
    PutFloat(out, t.s);
    PutFloat(out, t.t);
  }
  for (const auto& f : mesh.faces)
    for (const auto& n : f.normal) PutFloat3(out, n);
  return out;
}

bool WriteMeshFile(const std::string& path, const MeshFile& mesh) {
  std::vector<uint8_t> bytes = EncodeMesh(mesh);
  FILE* file = std::fopen(path.c_str(), "wb");
  bool ok = file && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  if (file && std::fclose(file) != 0) ok = false;
  if (!ok) std::fprintf(stderr, "gen_meshes: cannot write %s\n", path.c_str());
  return ok;
}
