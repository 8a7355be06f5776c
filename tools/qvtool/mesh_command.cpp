// qvtool mesh FILE: reads a binary mesh with the screensaver's own parser
// and tells its counts, its bounds and whether its size fits the counts.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "assets/mesh_file.h"
#include "tools/qvtool/commands.h"
#include "tools/qvtool/settings_support.h"

namespace {

void PrintBounds(const MeshFile& mesh) {
  if (mesh.vertexCount == 0) {
    std::printf("bounds: no positions\n");
    return;
  }
  const std::vector<float>* axes[3] = {&mesh.x, &mesh.y, &mesh.z};
  float low[3], high[3];
  for (int a = 0; a < 3; ++a) {
    auto [min, max] = std::minmax_element(axes[a]->begin(), axes[a]->end());
    low[a] = *min, high[a] = *max;
  }
  std::printf("bounds: min (%g %g %g) max (%g %g %g)\n", low[0], low[1], low[2], high[0], high[1], high[2]);
}

}  // namespace

int RunMesh(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: qvtool mesh FILE\n");
    return 2;
  }
  const char* path = argv[1];
  auto file = ReadWholeFile("mesh", path);
  if (!file) return 1;
  const std::vector<uint8_t>& bytes = *file;
  MeshFile mesh;
  MeshCheck check = ParseMeshFile(bytes.data(), bytes.size(), mesh);
  if (!check.ok) {
    std::fprintf(stderr, "qvtool mesh: %s: %s\n", path, check.problem.c_str());
    return 1;
  }
  std::printf("%s: %u vertices, %u faces, %u texture coordinates\n", path, mesh.vertexCount, mesh.faceCount,
              mesh.texCoordCount);
  PrintBounds(mesh);
  uint64_t expected = MeshFileSize(mesh.vertexCount, mesh.faceCount, mesh.texCoordCount);
  std::printf("size: %zu bytes, %s\n", bytes.size(), check.sizeMatches ? "as the counts say" : "more than the counts say");
  if (!check.sizeMatches) {
    std::fprintf(stderr, "qvtool mesh: %s: %llu bytes after the last normal; not a mesh file of the screensaver\n",
                 path, static_cast<unsigned long long>(bytes.size() - expected));
    return 1;
  }
  return 0;
}
