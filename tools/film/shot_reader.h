// Reading shot descriptions: line-based text, "//" comments, one shot per
// "shot NAME LENGTH" ... "end" block. Vectors are written V(x y z), as a
// point's name, or as a name plus or minus V(x y z).
#pragma once
#include <string>

#include "tools/film/shot.h"

// Parses text (the contents of the file at path) into file. False, with
// every problem as "path:line: message" lines in errors, when the text has
// mistakes; file then holds what could be read.
bool ReadShotFile(const std::string& path, const std::string& text, ShotFile& file,
                  std::string& errors);
