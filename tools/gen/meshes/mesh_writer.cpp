#include "tools/gen/meshes/mesh_writer.h"

#include <cstdio>
#include <cstring>

#include "tools/common/file_bytes.h"

namespace {

void PutU32(std::vector<uint8_t>& out, uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(uint8_t(v >> shift));
}

void PutFloat(std::vector<uint8_t>& out, float f) {
  uint32_t bits;
  std::memcpy(&bits, &f, sizeof bits);
  PutU32(out, bits);
}

}  // namespace

std::vector<uint8_t> EncodeMesh(const MeshFile& mesh) {
  std::vector<uint8_t> out;
  out.reserve(MeshFileSize(mesh.vertexCount, mesh.faceCount, mesh.texCoordCount));
  PutU32(out, mesh.vertexCount);
  PutU32(out, mesh.faceCount);
  PutU32(out, mesh.texCoordCount);
  for (uint32_t i = 0; i < mesh.vertexCount; ++i) {
    PutFloat(out, mesh.x[i]);
    PutFloat(out, mesh.y[i]);
    PutFloat(out, mesh.z[i]);
  }
  for (const auto* corners : {&mesh.corner, &mesh.texCorner})
    for (uint32_t f = 0; f < mesh.faceCount; ++f)
      for (const auto& c : *corners) PutU32(out, c[f]);
  for (uint32_t i = 0; i < mesh.texCoordCount; ++i) {
    PutFloat(out, mesh.s[i]);
    PutFloat(out, mesh.t[i]);
  }
  for (float n : mesh.normals) PutFloat(out, n);
  return out;
}

bool WriteMeshFile(const std::string& path, const MeshFile& mesh) {
  bool ok = WriteFileBytes(path, EncodeMesh(mesh));
  if (!ok) std::fprintf(stderr, "gen_meshes: cannot write %s\n", path.c_str());
  return ok;
}
