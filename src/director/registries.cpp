#include "director/registries.h"

#include <cstring>

#include "assets/resources.h"
#include "base/debug_log.h"
#include "base/script_reader.h"

namespace {

const ObjectList kNoObjects;

// Opens path for one of the two lists; logs when it cannot.
bool OpenList(ScriptReader& reader, const char* path, const Resources& resources, DebugLog& log) {
  if (resources.OpenScript(path, reader)) return true;
  log.Write("Open <").Write(path).Write("> ...failed!");
  log.EndStep();
  return false;
}

void ReadEnvironment(ScriptReader& reader, Environment& environment,
                     const ObjectFileLoader& loadObjects) {
  char path[100];
  reader.Scan("env %s", environment.name);
  while (reader.NextInBlock("end")) {
    if (reader.StartsWith("firstpass") && reader.Scan("firstpass %s", path) == 1)
      loadObjects(environment.firstPass, path);
    if (reader.StartsWith("postpass") && reader.Scan("postpass %s", path) == 1)
      loadObjects(environment.postPass, path);
  }
}

void ResolveEnvironment(World& world, const char* envName, const EnvironmentList& environments,
                        DebugLog& log) {
  world.env = FindEnvironment(environments, envName);
  if (world.env) return;
  log.Write("World <").Write(world.name).Write(">: unknown environment <").Write(envName);
  log.Write(">");
  log.EndStep();
}

void ReadWorld(ScriptReader& reader, World& world, const EnvironmentList& environments,
               const ObjectFileLoader& loadObjects, DebugLog& log) {
  char word[100];
  reader.Scan("world %s", world.name);
  while (reader.NextInBlock("end")) {
    if (reader.StartsWith("env") && reader.Scan("env %s", word) == 1)
      ResolveEnvironment(world, word, environments, log);
    if (reader.StartsWith("objects") && reader.Scan("objects %s", word) == 1)
      loadObjects(world.objects, word);
    if (reader.StartsWith("scenedir")) reader.Scan("scenedir %s", world.sceneDir);
  }
}

}  // namespace

const ObjectList& World::firstPass() const { return env ? env->firstPass : kNoObjects; }
const ObjectList& World::postPass() const { return env ? env->postPass : kNoObjects; }

bool LoadEnvironments(EnvironmentList& environments, const char* path, const Resources& resources,
                      DebugLog& log, const ObjectFileLoader& loadObjects) {
  ScriptReader reader;
  if (!OpenList(reader, path, resources, log)) return false;
  while (reader.SkipTo("env", "ENV_END")) {
    auto environment = std::make_unique<Environment>();
    ReadEnvironment(reader, *environment, loadObjects);
    environments.push_back(std::move(environment));
  }
  reader.Close();
  return true;
}

bool LoadWorlds(WorldList& worlds, const char* path, const EnvironmentList& environments,
                const Resources& resources, DebugLog& log, const ObjectFileLoader& loadObjects) {
  ScriptReader reader;
  if (!OpenList(reader, path, resources, log)) return false;
  while (reader.SkipTo("world", "WORLD_END")) {
    auto world = std::make_unique<World>();
    ReadWorld(reader, *world, environments, loadObjects, log);
    worlds.push_back(std::move(world));
  }
  reader.Close();
  return true;
}

const Environment* FindEnvironment(const EnvironmentList& environments, const char* name) {
  for (const auto& environment : environments)
    if (std::strcmp(environment->name, name) == 0) return environment.get();
  return nullptr;
}

World* FindWorld(const WorldList& worlds, const char* name) {
  for (const auto& world : worlds)
    if (std::strcmp(world->name, name) == 0) return world.get();
  return nullptr;
}
