// A generated mesh together with what the world builders need to dress it:
// engine nozzles for flames, light positions, texture scale, fly-by distances.
//
// Ships and stations are designed in body axes - x forward, y left, z up,
// like the camera - and stored turned half a turn about x: file = (x, -y, -z).
// A mesh maps file (a, b, c) to a*look + b*right + c*(look x right); with
// that turn `look` is the body's forward axis and `right` its right side, for
// dynamic meshes (look = image of x, right = -image of y of their keyframe
// orientation) and for placed ones alike. Attachment offsets follow from it:
// a flame's "orient V(x y z)" is x*right + y*(look x right) + z*look, so body
// (x, y, z) gives V(-y -z x); a light's "parent NAME V(x y z)" is
// x*right + y*(right x look) + z*look, so body (x, y, z) gives V(-y z x).
#pragma once
#include <string>
#include <vector>

#include "tools/gen/meshes/mesh_writer.h"
#include "tools/gen/meshes/vec.h"

inline const Frame kBodyToFile{{}, {1, 0, 0}, {0, -1, 0}, {0, 0, -1}};

inline DVec3 BodyToFile(DVec3 body) { return {body.x, -body.y, -body.z}; }
inline DVec3 FlameOffset(DVec3 body) { return {-body.y, -body.z, body.x}; }
inline DVec3 LightOffset(DVec3 body) { return {-body.y, body.z, body.x}; }

struct Engine {
  std::string name;
  DVec3 at;          // nozzle exit centre, body axes
  double radius;  // nozzle exit radius
};

struct Light {
  std::string name;
  DVec3 at;       // body axes
  DVec3 color;    // a fitting "color"
  double size; // a fitting billboard "size"
  // Blink cycle for "flash TIMER DARK LIT)": chains share dark and lit and
  // stagger their timers; a steady light has dark = 0.
  double flashTimer, flashDark, flashLit;
};

struct Model {
  std::string name;  // stored as "meshes\<name>.dat"
  std::string purpose;
  double tile;  // mesh units per texture repeat of its base texture
  double flybyNear, flybyFar;  // good camera distances from the origin
  std::vector<Engine> engines;
  std::vector<Light> lights;
  MeshFile mesh;
};

// Moves the mesh and its attachments so that the origin is the centre of
// mass of the enclosed volume (uniform density), so the mesh turns about it.
void CentreOnMass(Model& model);

// Volume-weighted centre of a closed mesh, in stored axes.
DVec3 CentreOfMass(const MeshFile& mesh);
