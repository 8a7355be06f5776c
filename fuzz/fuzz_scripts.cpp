// A scene script as the director loads it from the archive, then a few
// frames of its camera track, fades and targets.
#include <cstdio>
#include <memory>

#include "base/debug_log.h"
#include "base/random.h"
#include "director/director_context.h"
#include "director/scene_director.h"
#include "fuzz/fuzz_support.h"
#include "settings/settings.h"

namespace {
struct NoFog : FogControl {
  void SetExponential(float) override {}
  void SetLinear(float, float) override {}
  void SetColour(Vec3) override {}
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FakeResources resources;
  InstallArchive(resources, {{"worlds\\home\\scene0.txt", Bytes(data, size)}});
  WorldList worlds;
  worlds.push_back(std::make_unique<World>());
  std::snprintf(worlds.back()->name, sizeof worlds.back()->name, "home");
  std::snprintf(worlds.back()->sceneDir, sizeof worlds.back()->sceneDir, "worlds\\home\\");
  Settings settings;
  ObjectList dynamicObjects;
  RandomGenerator random;
  DebugLog log;
  NoFog fog;
  DirectorContext context{&settings, &worlds, &dynamicObjects, &random, &resources.resources(), &log, &fog};
  SceneDirector director;
  director.StartAt(context, *worlds.back(), "scene0.txt");
  for (int frame = 0; frame < 8; ++frame) director.AdvanceFrame(0.7, context);
  return 0;
}
