#include "assets/mesh_file.h"

#include <initializer_list>
#include <string>

#include "base/byte_reader.h"

namespace {

// Element i of every array, then element i + 1, and so on. The caller has
// checked that the data holds every value read here.
void ReadFloats(ByteReader& in, size_t count, std::initializer_list<std::vector<float>*> arrays) {
  for (std::vector<float>* a : arrays) a->resize(count);
  for (size_t i = 0; i < count; ++i) {
    for (std::vector<float>* a : arrays) in.ReadF32((*a)[i]);
  }
}

void ReadCorners(ByteReader& in, size_t faces, std::vector<uint32_t> (&corners)[3]) {
  for (auto& c : corners) c.resize(faces);
  for (size_t f = 0; f < faces; ++f) {
    for (auto& c : corners) in.ReadU32(c[f]);
  }
}

// The first corner whose index is not below limit, as a problem text.
std::string CheckCorners(const std::vector<uint32_t> (&corners)[3], uint32_t limit, const char* what) {
  for (size_t f = 0; f < corners[0].size(); ++f) {
    for (int k = 0; k < 3; ++k) {
      if (corners[k][f] < limit) continue;
      return "face " + std::to_string(f) + " corner " + std::to_string(k) + ": " + what + " index " +
             std::to_string(corners[k][f]) + " beyond the count " + std::to_string(limit);
    }
  }
  return {};
}

MeshCheck Fail(MeshFile& mesh, MeshCheck check, std::string problem) {
  mesh = MeshFile{};
  check.ok = false;
  check.problem = std::move(problem);
  return check;
}

}  // namespace

uint64_t MeshFileSize(uint32_t vertexCount, uint32_t faceCount, uint32_t texCoordCount) {
  return 12 + 12 * uint64_t(vertexCount) + 60 * uint64_t(faceCount) + 8 * uint64_t(texCoordCount);
}

MeshCheck ParseMeshFile(const uint8_t* data, size_t size, MeshFile& mesh) {
  MeshCheck check;
  ByteReader in(data, size);
  uint32_t v, f, t;
  if (!in.ReadU32(v) || !in.ReadU32(f) || !in.ReadU32(t))
    return Fail(mesh, check, "only " + std::to_string(size) + " bytes: no counts");
  uint64_t expected = MeshFileSize(v, f, t);
  check.sizeMatches = expected == size;
  if (expected > size) {
    return Fail(mesh, check, "the counts (V " + std::to_string(v) + ", F " + std::to_string(f) +
                                 ", T " + std::to_string(t) + ") need " + std::to_string(expected) +
                                 " bytes, the data has " + std::to_string(size));
  }
  mesh = MeshFile{};
  mesh.vertexCount = v, mesh.faceCount = f, mesh.texCoordCount = t;
  ReadFloats(in, v, {&mesh.x, &mesh.y, &mesh.z});
  ReadCorners(in, f, mesh.corner);
  ReadCorners(in, f, mesh.texCorner);
  ReadFloats(in, t, {&mesh.s, &mesh.t});
  ReadFloats(in, size_t(f) * 9, {&mesh.normals});
  std::string problem = CheckCorners(mesh.corner, v, "vertex");
  if (problem.empty()) problem = CheckCorners(mesh.texCorner, t, "texture");
  if (!problem.empty()) return Fail(mesh, check, problem);
  check.ok = true;
  return check;
}
