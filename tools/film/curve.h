// A path of a shot as a curve of constant speed: Position(s) for progress s
// from 0 to 1 moves along the path in proportion to its length, so an eased
// progress gives an eased flight.
#pragma once
#include <vector>

#include "tools/film/shot.h"

class Curve {
 public:
  // The path must have at least two points (Points) or a turn or a rise
  // (Arc); see ValidPath.
  explicit Curve(const PathSpec& path);
  Vec3 Position(float s) const;
  // The unit direction of travel at s.
  Vec3 Direction(float s) const;
  float Length() const { return length_; }

 private:
  // The path's own parameter u from 0 to 1 (not of constant speed).
  Vec3 Raw(double u) const;

  PathSpec path_;
  std::vector<double> lengthAt_;  // cumulative length at evenly spaced u
  float length_ = 0;
};

// Why the path cannot be flown, or an empty text.
const char* PathProblem(const PathSpec& path);
