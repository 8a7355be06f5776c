// What a kind's block reader sees while its block is parsed: the current
// line of the object file, the parser's geometry slots and the objects read
// so far from the same file (for "parent" lines). Valid for one block only.
#pragma once
#include <cstddef>
#include <cstdint>

#include "base/script_reader.h"
#include "objects/scene_object.h"
#include "render/mesh_geometry.h"

struct BlockScope {
  ScriptReader& reader;
  const ObjectList& list;
  size_t fileStart;  // the first object of list that came from this file
  MeshGeometry envGeometry;      // "meshes\env.dat"
  MeshGeometry sphereGeometry;   // "meshes\sphere.dat"
  MeshGeometry currentGeometry;  // the last "geometry" line

  // The first sphere or mesh named name that appeared earlier in this file.
  SceneObject* FindParent(const char* name) const { return FindObject(list, name, fileStart); }
};
