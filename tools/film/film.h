// The film: every shot description of a folder turned into scene scripts.
// Shared by the film tool and the content tests, which check that the
// committed scripts are what the descriptions make.
#pragma once
#include <string>
#include <vector>

#include "tools/film/shot.h"

struct SceneScript {
  std::string archivePath;  // backslashes, e.g. worlds\green\green1plt\scenes\planet0.txt
  std::string text;
};

struct Film {
  std::vector<ShotFile> files;       // in file-name order
  std::vector<SceneScript> scripts;  // in file order, then shot order
};

// Reads every "*.txt" description in shotDir and builds its scripts. False,
// with every problem in errors, when a description has mistakes.
bool MakeFilm(const std::string& shotDir, Film& film, std::string& errors);
// Where an archive path lies under a folder on disk.
std::string DiskPath(const std::string& folder, const std::string& archivePath);
