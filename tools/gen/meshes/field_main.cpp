// gen_field ARCHIVE_DIR: lays out the asteroid fields and writes their rocks
// into the world files under ARCHIVE_DIR (resources/archive), in place.
#include <cstdio>

#include "tools/common/file_bytes.h"
#include "tools/gen/meshes/asteroids.h"
#include "tools/gen/meshes/field.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: gen_field ARCHIVE_DIR\n");
    return 2;
  }
  std::vector<Model> rocks = BuildAsteroids();
  for (Model& m : rocks) CentreOnMass(m);
  for (const FieldPlan& plan : ShippedFields()) {
    std::string path = std::string(argv[1]) + "/" + plan.file;
    std::optional<std::string> text = ReadFileText(path);
    if (!text) {
      std::fprintf(stderr, "gen_field: cannot read %s\n", path.c_str());
      return 1;
    }
    std::vector<PlacedRock> placed = LayOut(plan, rocks);
    std::string updated = WithRocks(*text, RockBlocks(plan, placed, rocks));
    if (updated.empty() || !WriteFileText(path, updated)) {
      std::fprintf(stderr, "gen_field: cannot rewrite %s\n", path.c_str());
      return 1;
    }
    std::printf("%s: %zu of %d rocks\n", path.c_str(), placed.size(), plan.count);
  }
  return 0;
}
