// qvtool meshview FILE.dat [FILE.dat...] -o OUT.png [--size WxH] [--uv]:
// reads binary meshes with the screensaver's own parser and writes their
// four lit views (mesh_views.h) as one PNG.
#include <cstdio>
#include <cstring>
#include <vector>

#include "assets/mesh_file.h"
#include "tools/common/png_writer.h"
#include "tools/qvtool/commands.h"
#include "tools/qvtool/mesh_views.h"
#include "tools/qvtool/settings_support.h"

namespace {

struct Options {
  std::vector<const char*> files;
  const char* out = nullptr;
  int width = 1024, height = 1024;
  bool uvGrid = false;
};

int Usage() {
  std::fprintf(stderr, "usage: qvtool meshview FILE.dat [FILE.dat...] -o OUT.png [--size WxH] [--uv]\n");
  return 2;
}

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "-o") == 0 && i + 1 < argc) {
      options.out = argv[++i];
    } else if (std::strcmp(argv[i], "--size") == 0 && i + 1 < argc) {
      if (std::sscanf(argv[++i], "%dx%d", &options.width, &options.height) != 2) return false;
    } else if (std::strcmp(argv[i], "--uv") == 0) {
      options.uvGrid = true;
    } else if (argv[i][0] == '-') {
      return false;
    } else {
      options.files.push_back(argv[i]);
    }
  }
  return options.out && !options.files.empty() && options.width >= 64 && options.height >= 64 &&
         options.width <= 4096 && options.height <= 4096;
}

}  // namespace

int RunMeshView(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) return Usage();
  std::vector<MeshFile> meshes(options.files.size());
  for (size_t i = 0; i < options.files.size(); ++i) {
    auto bytes = ReadWholeFile("meshview", options.files[i]);
    if (!bytes) return 1;
    MeshCheck check = ParseMeshFile(bytes->data(), bytes->size(), meshes[i]);
    if (!check.ok) {
      std::fprintf(stderr, "qvtool meshview: %s: %s\n", options.files[i], check.problem.c_str());
      return 1;
    }
  }
  std::vector<uint8_t> picture = RenderMeshViews(meshes, options.width, options.height, options.uvGrid);
  if (picture.empty()) return 1;
  if (!WritePng(options.out, options.width, options.height, 3, picture)) {
    std::fprintf(stderr, "qvtool meshview: cannot write %s\n", options.out);
    return 1;
  }
  return 0;
}
