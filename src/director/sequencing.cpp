// The sequence of scenes: the start of the flight and the steps of a frame.
#include <cstdio>

#include "director/director_context.h"
#include "director/random.h"
#include "director/scene_director.h"
#include "host/debug_log.h"
#include "settings/settings.h"

namespace {

const char* const kStartWorlds[] = {"blue_galaxy", "green_galaxy", "red_galaxy"};

}  // namespace

void SceneDirector::StartClock(const Settings& settings) {
  dustVisible = true;
  speedFactor = float(settings.TimeScale) * 0.5f + 1.0f;
  sceneClock = 0;
}

void SceneDirector::StartFlight(const DirectorContext& context) {
  const Settings& settings = *context.settings;
  RandomGenerator& random = *context.random;
  StartClock(settings);
  std::snprintf(sceneFile, sizeof sceneFile, "scene%d.txt", int(random.NextScaled(3.9)));
  const char* startWorld = kStartWorlds[random.NextScaled(2.9)];
  successorCounter = random.NextScaled(3.8);
  currentWorld = FindWorld(*context.worlds, startWorld);
  if (currentWorld) {
    std::snprintf(sceneDir, sizeof sceneDir, "%s", currentWorld->sceneDir);
  } else {
    Log().Write("Start world <").Write(startWorld).Write("> ...failed!");
    Log().EndStep();
  }
  LoadScene(context);
  if (!settings.Galaxy && !holding) finished = true;
}

void SceneDirector::StartAt(const DirectorContext& context, World& world, const char* file) {
  StartClock(*context.settings);
  currentWorld = &world;
  std::snprintf(sceneDir, sizeof sceneDir, "%s", world.sceneDir);
  std::snprintf(sceneFile, sizeof sceneFile, "%s", file);
  LoadScene(context);
}

void SceneDirector::AdvanceFrame(double dt, const DirectorContext& context) {
  sceneClock = float(sceneClock + speedFactor * dt);
  UpdateCamera();
  if (!finished) return;
  LoadScene(context);
  UpdateCamera();
}
