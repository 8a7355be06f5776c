// Turning a shot into keyframes: the camera and every ship sampled at evenly
// spaced times along their eased paths, each key with its position and its
// orientation. Even spacing matters: the flight's curves take each key's
// tangent from its neighbours' positions without regard to time, so only
// evenly spaced keys give a speed without jumps.
#pragma once
#include <string>
#include <vector>

#include "base/keyframes.h"
#include "tools/film/framing.h"
#include "tools/film/shot.h"

struct BuiltTrack {
  std::string name;  // empty for the camera
  KeyframeTrack keys;
};

struct BuiltShot {
  BuiltTrack camera;
  std::vector<BuiltTrack> ships;
};

// The times of a shot's keys: 0, step, ..., length.
std::vector<float> KeyTimes(const Shot& shot);
// Builds every track of the shot. False, with the reasons in errors, when
// a path cannot be flown or a name is unknown.
bool BuildShot(const Shot& shot, ViewExtent view, BuiltShot& built, std::string& errors);
