// Scenery: what a camera can see in each world, as bounding spheres: the
// planets and shells, the meshes (stations, platforms, rocks), the fixed
// picture cards (galaxies); and the ships of dynamic.txt by name, as their
// mesh points, since a long hull seen end-on is far narrower than its sphere. The sizes
// come from the object files under the archive folder (through the
// director's own field scanner) and, for meshes, from the mesh files in the
// archive or the generated art folder, through the mesh parser.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "base/math.h"

struct Body {
  std::string name;  // the object's name after "begin", or its kind
  Vec3 centre{0, 0, 0};
  float radius = 0;
  bool card = false;  // a picture card fixed in space (a galaxy)
};

// A ship in its own axes (x forward, y left, z up), scaled as placed.
struct ShipShape {
  float radius = 0;          // of its bounding sphere about its origin
  std::vector<Vec3> points;  // its mesh's vertices, thinned to a few hundred
};

struct Scenery {
  std::map<std::string, std::vector<Body>> worlds;  // by world name
  std::map<std::string, ShipShape> ships;           // by ship name
};

// Reads worlds.txt, every world's object file and dynamic.txt. Mesh files
// are looked for under archiveFolder, then artFolder. False, with the
// problems in errors, when a file or a mesh cannot be read.
bool LoadScenery(const std::string& archiveFolder, const std::string& artFolder, Scenery& scenery,
                 std::string& errors);
