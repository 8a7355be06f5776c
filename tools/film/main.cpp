// film: makes the scene scripts of the flight from the shot descriptions.
//   film generate SHOTS ARCHIVE   writes every script under the ARCHIVE folder
//   film check SHOTS ARCHIVE      lists the scripts that differ; status 1 if any
//   film lint SHOTS ARCHIVE [ART] flies every shot and reports its framing;
//                                 status 1 on any fault. Meshes are read from
//                                 ARCHIVE, then ART (default: the art this
//                                 build generated)
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "tools/common/file_bytes.h"
#include "tools/film/film.h"
#include "tools/film/film_lint.h"

namespace {

std::string Contents(const std::string& path) { return ReadFileText(path).value_or(""); }

bool Write(const std::string& path, const std::string& text) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  return WriteFileText(path, text);
}

int Usage() {
  std::fprintf(stderr, "usage: film generate|check SHOTS_FOLDER ARCHIVE_FOLDER\n"
                       "       film lint SHOTS_FOLDER ARCHIVE_FOLDER [ART_FOLDER]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 4 && std::strcmp(argv[1], "lint") == 0 && argc <= 5) {
    const int faults = LintFilm(argv[2], argv[3], argc == 5 ? argv[4] : QV_GENERATED_ART);
    return faults == 0 ? 0 : 1;
  }
  if (argc != 4) return Usage();
  const bool generate = std::strcmp(argv[1], "generate") == 0;
  if (!generate && std::strcmp(argv[1], "check") != 0) return Usage();
  Film film;
  std::string errors;
  if (!MakeFilm(argv[2], film, errors)) {
    std::fputs(errors.c_str(), stderr);
    return 1;
  }
  int differing = 0;
  for (const SceneScript& script : film.scripts) {
    std::string path = DiskPath(argv[3], script.archivePath);
    if (Contents(path) == script.text) continue;
    ++differing;
    if (!generate) {
      std::printf("differs: %s\n", script.archivePath.c_str());
    } else if (!Write(path, script.text)) {
      std::fprintf(stderr, "film: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  std::printf("%zu scripts, %d %s\n", film.scripts.size(), differing,
              generate ? "written" : "differ");
  return generate || differing == 0 ? 0 : 1;
}
