// Writing a shot as a scene script: a comment saying what the shot shows
// and where it comes from, the fades, the shot's own lines, the camera's
// keyframes and one "set" track per ship.
#pragma once
#include <string>

#include "tools/film/shot.h"
#include "tools/film/track_builder.h"

// The script's text. source names the description it was made from.
std::string WriteSceneScript(const Shot& shot, const BuiltShot& built, const std::string& source);
