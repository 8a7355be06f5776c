// film: makes the scene scripts of the flight from the shot descriptions.
//   film generate SHOTS ARCHIVE   writes every script under the ARCHIVE folder
//   film check SHOTS ARCHIVE      lists the scripts that differ; status 1 if any
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/film/film.h"

namespace {

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

bool Write(const std::string& path, const std::string& text) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream out(path, std::ios::binary);
  out << text;
  return bool(out);
}

int Usage() {
  std::fprintf(stderr, "usage: film generate|check SHOTS_FOLDER ARCHIVE_FOLDER\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
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
