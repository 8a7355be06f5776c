// Shots: what one scene of the flight shows, as the shot descriptions in
// resources/shots/ write it: a camera path with its look-at targets and
// framing, the ships that fly through the shot, the fades and the script
// lines that pick the next scene. Positions are world units, times seconds
// of scene time, angles degrees.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "base/math.h"

// A curve in space, travelled from its start (progress 0) to its end (1) at
// a speed proportional to its length.
struct PathSpec {
  enum Kind { Points, Arc };
  Kind kind = Points;
  std::vector<Vec3> points;  // Points: a smooth curve through every point
  Vec3 centre{0, 0, 0};      // Arc: turns about the vertical line through centre,
  Vec3 start{0, 0, 0};       // from start,
  float turn = 0;            // by this many degrees (positive: counter-clockwise from above),
  float rise = 0;            // climbing this far,
  float grow = 1;            // its radius growing by this factor.
};

// Where the camera (or a ship's nose) points at each key.
struct LookSpec {
  enum Kind { Points, Ship, Ahead };
  Kind kind = Points;
  std::vector<Vec3> points;  // Points: a target moving through these points
  std::string ship;          // Ship: that ship's position at the key's time,
  Vec3 offset{0, 0, 0};      // plus this offset in world axes
};

// One moving thing of a shot: the camera or a ship.
struct MoverSpec {
  std::string name;  // ships: the dynamic object's name
  PathSpec path;
  LookSpec look;  // ships always look ahead
  float easeIn = 0, easeOut = 0;  // shares of the shot spent speeding up, slowing down
  float roll[2] = {0, 0};         // at the start and the end
  // The camera: where the look target sits on the screen, from -1 to 1
  // (right and up positive), at the start and the end.
  float frameU[2] = {0, 0}, frameV[2] = {0, 0};
  // Flying in formation (ships) or following a ship (the camera): the
  // leader's name and the place in its axes (forward, left, up), moving from
  // slot to slotEnd over the shot; the path is then unused.
  std::string leader;
  Vec3 slot{0, 0, 0};
  Vec3 slotEnd{0, 0, 0};
};

enum class FadeColour { None, Black, White };

struct Fade {
  FadeColour colour = FadeColour::None;
  float seconds = 0;
};

struct Shot {
  std::string name;   // the script's file name without ".txt"
  std::string title;  // one line saying what the shot shows
  float length = 0;   // seconds of scene time; the last key's time
  float step = 0;     // seconds between keys; 0: about five
  Fade fadeIn, fadeOut;
  std::vector<std::string> lines;  // script lines, in order, before the camera track
  MoverSpec camera;
  std::vector<MoverSpec> ships;
  int sourceLine = 0;  // where the shot starts in its description
};

// One description file: the shots of one world.
struct ShotFile {
  std::string path;       // as given to the reader, for messages
  std::string world;      // the world's name in worlds.txt
  std::string sceneDir;   // the world's scene directory, backslashes, trailing backslash
  std::map<std::string, Vec3> points;
  std::vector<Shot> shots;
};
