// What the scene director uses of the running flight besides its own state:
// the settings, the registries, the dynamic objects, the random generator,
// where scripts come from, the start-up log and the fog output. The
// application owns all of them and fills every field before the first
// scene is loaded.
#pragma once
#include "director/registries.h"
#include "render/fog_control.h"

class DebugLog;
class RandomGenerator;
class Resources;
struct Settings;

struct DirectorContext {
  const Settings* settings = nullptr;  // Galaxy, TimeScale
  const WorldList* worlds = nullptr;
  ObjectList* dynamicObjects = nullptr;
  RandomGenerator* random = nullptr;
  const Resources* resources = nullptr;
  DebugLog* log = nullptr;
  FogControl* fog = nullptr;
};
