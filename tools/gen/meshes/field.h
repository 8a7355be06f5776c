// Asteroid fields: where the rocks of a world stand. Rocks gather in clusters
// over a thin slab of space and line the lanes the camera and the ships fly
// along, keep a gap between one another, and stay out of those lanes. World
// units throughout.
#pragma once
#include <string>
#include <vector>

#include "tools/gen/meshes/model.h"

struct Lane {
  std::vector<DVec3> way;  // a polyline
  double clear;            // no rock surface nearer than this to the way
};

struct Cluster {
  DVec3 centre;
  double radius;  // about one standard deviation, flattened in z
};

struct PlacedRock {
  int shape;     // index into the rock models
  DVec3 position;
  DVec3 axis;    // "orient" axis and angle in degrees
  double angle;
  double scale;
  double radius; // the rock's bounding radius at this scale
};

struct FieldPlan {
  std::string file;        // the world file inside the archive's folder: "worlds/green/green_ast/world.txt"
  std::string rockTexture; // map1 of every rock
  uint32_t seed;
  DVec3 low, high;         // the field's region
  int count;               // rocks wanted, the landmarks included
  std::vector<PlacedRock> landmarks;  // shape, position, axis, angle, scale; radius is filled in
  std::vector<Cluster> clusters;
  std::vector<Lane> lanes;
};

// The fields of the shipped asteroid worlds.
std::vector<FieldPlan> ShippedFields();

// Places the rocks of a plan; `rocks` are the asteroid models, in order.
std::vector<PlacedRock> LayOut(const FieldPlan& plan, const std::vector<Model>& rocks);

// The smallest gap kept between two rocks of these bounding radii.
double RockGap(double a, double b);

// Distance from p to a lane's way.
double DistanceToWay(const Lane& lane, DVec3 p);

// The object-file text of the rocks: mesh blocks grouped by geometry, the
// first carrying the textures and the rest reusing them.
std::string RockBlocks(const FieldPlan& plan, const std::vector<PlacedRock>& rocks, const std::vector<Model>& models);

// The world file's text with its rocks replaced by `blocks`: they follow the
// marker line and run to "ENDWORLD". A text without the marker gets it, with
// the rocks, before "ENDWORLD". Empty when the text has no "ENDWORLD".
std::string WithRocks(const std::string& worldText, const std::string& blocks);
