// Lint: a shot flown as the flight flies it (the director's camera and the
// ships' own track evaluation over the shot's prepared tracks, 10 steps a
// second) and measured on an 800x600 screen with the wide-screen picture:
// the subject's width and screen place, how far the camera's distance and
// angle change, and the seconds with nothing but sky in view. The faults
// are the framing rules every shot keeps:
//   - the shot changes: distance by 1.5x or more, or 20 degrees of sweep;
//   - the subject sits off centre for at least half the shot;
//   - a chased ship holds 15-30 % of the frame width, a watched one comes
//     up to 15 % at least; every ship of the shot comes into view;
//   - the subject never falls below 40 px or out of view before the fade;
//   - no step with only sky in view outside the fades, unless the shot
//     may show open sky (the approaches in the galaxy worlds).
#pragma once
#include <string>
#include <vector>

#include "tools/film/scenery.h"
#include "tools/film/shot.h"
#include "tools/film/track_builder.h"

// The subject at one whole second of the shot.
struct LintSecond {
  int second = 0;
  float width = 0;        // px on an 800 px wide picture; 0 out of view
  float u = 0, v = 0;     // screen place, -1..1, right and up
  bool onlySky = false;   // no body of at least a few px in view
};

struct ShotLint {
  std::string subject;      // a body's or a ship's name
  float distanceRatio = 1;  // largest over smallest distance to the subject
  float sweep = 0;          // degrees: the most the view or the angle round the subject turns
  std::vector<LintSecond> seconds;
  std::vector<std::string> faults;  // "at N s: what", in time order
};

// Flies one built shot among the world's bodies; ships gives every ship's
// shape by name.
ShotLint LintShot(const Shot& shot, const BuiltShot& built, const std::vector<Body>& bodies,
                  const std::map<std::string, ShipShape>& ships, bool skyAllowed);
