// What a kind's block reader sees while its block is parsed: the current
// line of the object file, the parser's geometry slots and the objects read
// so far from the same file (for "parent" lines). Valid for one block only.
#pragma once
#include <cstddef>
#include <cstdint>

#include "base/script_reader.h"
#include "objects/scene_object.h"

struct BlockScope {
  ScriptReader& reader;
  const ObjectList& list;
  size_t fileStart;  // the first object of list that came from this file
  uint32_t envGeometry;      // display list of "meshes\env.dat"
  uint32_t sphereGeometry;   // display list of "meshes\sphere.dat"
  uint32_t currentGeometry;  // display list of the last "geometry" line

  // The first sphere or mesh named name that appeared earlier in this file.
  SceneObject* FindParent(const char* name) const { return FindObject(list, name, fileStart); }
};
