// gen_meshes OUTDIR: writes every mesh to OUTDIR/archive/meshes/<name>.dat and
// the world builders' notes to OUTDIR/meshes.txt.
#include <cstdio>
#include <filesystem>
#include <string>

#include "tools/common/file_bytes.h"
#include "tools/gen/meshes/catalogue.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: gen_meshes OUTDIR\n");
    return 2;
  }
  std::filesystem::path out = argv[1];
  std::error_code error;
  std::filesystem::create_directories(out / "archive" / "meshes", error);
  if (error) {
    std::fprintf(stderr, "gen_meshes: cannot create %s\n", (out / "archive" / "meshes").c_str());
    return 1;
  }
  std::vector<Model> models = BuildAllModels();
  for (const Model& m : models)
    if (!WriteMeshFile((out / "archive" / "meshes" / (m.name + ".dat")).string(), m.mesh)) return 1;
  std::string notes = DescribeModels(models);
  if (!WriteFileText(out / "meshes.txt", notes)) {
    std::fprintf(stderr, "gen_meshes: cannot write %s\n", (out / "meshes.txt").c_str());
    return 1;
  }
  return 0;
}
