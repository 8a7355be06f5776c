// The world and environment registries: the environments of "env.txt" (the
// shared backdrops drawn before and after a world) and the worlds of
// "worlds.txt" (each with its own objects and scene directory). Both lists
// are filled once at start-up, own their entries, keep file order and are
// read-only afterwards; the scene director refers into them.
#pragma once
#include <functional>
#include <memory>
#include <vector>

#include "objects/scene_object.h"

class DebugLog;
class Resources;

struct Environment {
  virtual ~Environment() = default;
  char name[20] = {};  // at most 19 characters
  ObjectList firstPass;  // drawn before the world's objects
  ObjectList postPass;   // drawn after the world's and the dynamic objects
};

struct World {
  virtual ~World() = default;
  // The environment's lists, shared with the other worlds in it; empty when
  // the world names no known environment.
  const ObjectList& firstPass() const;
  const ObjectList& postPass() const;

  ObjectList objects;
  const Environment* env = nullptr;  // null: the "env" line named no environment
  char sceneDir[50] = {};            // ends in a backslash; at most 49 characters
  char name[22] = " ";               // at most 21 characters
};

using EnvironmentList = std::vector<std::unique_ptr<Environment>>;
using WorldList = std::vector<std::unique_ptr<World>>;

// Appends every object of the object file at the archive path to the list
// (the object-file parser in the screensaver, a stand-in in tests).
using ObjectFileLoader = std::function<void(ObjectList& list, const char* path)>;

// Appends the environments of the archive member at path. False, with a log
// line, when the member cannot be opened.
bool LoadEnvironments(EnvironmentList& environments, const char* path, const Resources& resources,
                      DebugLog& log, const ObjectFileLoader& loadObjects);
// Appends the worlds of the archive member at path, resolving their "env"
// names against environments (which must be complete and outlive the
// worlds). An unknown environment name is logged and leaves the world
// without one.
bool LoadWorlds(WorldList& worlds, const char* path, const EnvironmentList& environments,
                const Resources& resources, DebugLog& log, const ObjectFileLoader& loadObjects);

// The first entry whose name equals name exactly, or null.
const Environment* FindEnvironment(const EnvironmentList& environments, const char* name);
World* FindWorld(const WorldList& worlds, const char* name);
