#include "tools/film/film.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <sstream>

#include "tools/common/file_bytes.h"
#include "tools/film/script_writer.h"
#include "tools/film/shot_reader.h"
#include "tools/film/track_builder.h"

namespace {

constexpr size_t kSceneFileMax = 31;   // the director's file-name field
constexpr size_t kObjectNameMax = 14;  // a scene object's name field

bool ReadText(const std::filesystem::path& path, std::string& text) {
  std::optional<std::string> all = ReadFileText(path);
  if (all) text = std::move(*all);
  return bool(all);
}

// Names and limits that the director would not catch itself.
void CheckNames(const ShotFile& file, std::string& errors) {
  if (file.sceneDir.empty() || file.sceneDir.back() != '\\') {
    errors += file.path + ": the scene directory must end in a backslash\n";
  }
  std::set<std::string> seen;
  for (const Shot& shot : file.shots) {
    std::string where = file.path + ":" + std::to_string(shot.sourceLine) + ": ";
    if (!seen.insert(shot.name).second) errors += where + "a second shot " + shot.name + "\n";
    if (shot.name.size() + 4 > kSceneFileMax) errors += where + "the file name is too long\n";
    for (const MoverSpec& ship : shot.ships) {
      if (ship.name.size() > kObjectNameMax) errors += where + "ship name too long: " + ship.name + "\n";
    }
  }
}

}  // namespace

std::string DiskPath(const std::string& folder, const std::string& archivePath) {
  std::string relative = archivePath;
  std::replace(relative.begin(), relative.end(), '\\', '/');
  return (std::filesystem::path(folder) / relative).string();
}

bool MakeFilm(const std::string& shotDir, Film& film, std::string& errors) {
  film = Film{};
  const size_t errorsBefore = errors.size();
  std::vector<std::filesystem::path> paths;
  std::error_code failure;
  for (const auto& entry : std::filesystem::directory_iterator(shotDir, failure)) {
    if (entry.path().extension() == ".txt") paths.push_back(entry.path());
  }
  if (failure) errors += shotDir + ": " + failure.message() + "\n";
  std::sort(paths.begin(), paths.end());
  for (const auto& path : paths) {
    std::string text;
    ShotFile file;
    const std::string shown = path.generic_string();
    // The scripts name their description by its place in the source tree,
    // wherever the folder was read from.
    const std::string source = "resources/shots/" + path.filename().string();
    if (!ReadText(path, text)) {
      errors += shown + ": cannot be read\n";
      continue;
    }
    if (!ReadShotFile(shown, text, file, errors)) continue;
    CheckNames(file, errors);
    for (const Shot& shot : file.shots) {
      BuiltShot built;
      std::string problems;
      if (!BuildShot(shot, ViewExtent{}, built, problems)) {
        std::istringstream lines(problems);
        for (std::string line; std::getline(lines, line);) {
          errors += shown + ":" + std::to_string(shot.sourceLine) + ": " + shot.name + ": " + line + "\n";
        }
        continue;
      }
      film.scripts.push_back({file.sceneDir + shot.name + ".txt", WriteSceneScript(shot, built, source)});
    }
    film.files.push_back(std::move(file));
  }
  return errors.size() == errorsBefore;
}
