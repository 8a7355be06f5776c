#include "tools/film/film_lint.h"

#include <cstdio>

#include "tools/film/film.h"
#include "tools/film/lint.h"

namespace {

void PrintShot(const ShotFile& file, const Shot& shot, const ShotLint& lint) {
  std::printf("%s %s (%g s): subject %s, distance x%.2f, sweep %.0f deg\n", file.world.c_str(), shot.name.c_str(),
              double(shot.length), lint.subject.empty() ? "none" : lint.subject.c_str(), double(lint.distanceRatio),
              double(lint.sweep));
  for (const LintSecond& s : lint.seconds) {
    std::printf("  %3d s %5.0f px %+5.2f %+5.2f%s\n", s.second, double(s.width), double(s.u), double(s.v),
                s.onlySky ? "  sky only" : "");
  }
  for (const std::string& fault : lint.faults)
    std::printf("FAULT %s %s %s\n", file.world.c_str(), shot.name.c_str(), fault.c_str());
}

}  // namespace

int LintFilm(const std::string& shotDir, const std::string& archiveFolder, const std::string& artFolder) {
  Film film;
  Scenery scenery;
  std::string errors;
  if (!MakeFilm(shotDir, film, errors) || !LoadScenery(archiveFolder, artFolder, scenery, errors)) {
    std::fputs(errors.c_str(), stderr);
    return -1;
  }
  int faults = 0, shots = 0, faulty = 0;
  for (const ShotFile& file : film.files) {
    auto world = scenery.worlds.find(file.world);
    if (world == scenery.worlds.end()) {
      std::fprintf(stderr, "%s: no world %s in worlds.txt\n", file.path.c_str(), file.world.c_str());
      return -1;
    }
    for (const Shot& shot : file.shots) {
      BuiltShot built;
      if (!BuildShot(shot, ViewExtent{}, built, errors)) continue;  // MakeFilm has said why
      // The galaxy worlds' approaches fly through open sky.
      const bool skyAllowed = file.world.find("galaxy") != std::string::npos;
      const ShotLint lint = LintShot(shot, built, world->second, scenery.ships, skyAllowed);
      PrintShot(file, shot, lint);
      ++shots;
      faulty += lint.faults.empty() ? 0 : 1;
      faults += int(lint.faults.size());
    }
  }
  std::printf("%d shots, %d with faults, %d faults\n", shots, faulty, faults);
  return faults;
}
