// The sequence of scenes: the start of the flight and the steps of a frame.
#include <cstdio>

#include "base/debug_log.h"
#include "base/random.h"
#include "director/director_context.h"
#include "director/scene_director.h"
#include "settings/settings.h"

namespace {

const char* const kStartWorlds[] = {"blue_galaxy", "green_galaxy", "red_galaxy"};

}  // namespace

void SceneDirector::StartClock(const Settings& settings) {
  dustVisible = true;
  speedFactor = float(settings.TimeScale) * 0.5f + 1.0f;
  view.sceneClock = 0;
}

SceneStatus SceneDirector::StartFlight(const DirectorContext& context) {
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
    context.log->Write("Start world <").Write(startWorld).Write("> ...failed!");
    context.log->EndStep();
  }
  SceneStatus status = LoadScene(context);
  if (!settings.Galaxy && !holding) finished = true;
  return status;
}

SceneStatus SceneDirector::StartAt(const DirectorContext& context, World& world, const char* file) {
  StartClock(*context.settings);
  currentWorld = &world;
  std::snprintf(sceneDir, sizeof sceneDir, "%s", world.sceneDir);
  std::snprintf(sceneFile, sizeof sceneFile, "%s", file);
  return LoadScene(context);
}

SceneStatus SceneDirector::AdvanceFrame(double dt, const DirectorContext& context) {
  view.sceneClock = float(view.sceneClock + speedFactor * dt);
  UpdateCamera();
  if (!finished) return SceneStatus::Ok;
  SceneStatus status = LoadScene(context);
  UpdateCamera();
  return status;
}
