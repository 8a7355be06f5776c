// ObjectContext: what scene objects read of the running flight besides the
// camera. The application object owns it and outlives every object.
#pragma once
#include <functional>

#include "director/random.h"
#include "settings/settings.h"

class SceneDirector;

struct ObjectContext {
  const Settings* settings = nullptr;  // Width, Height, the picture rows
  const ViewAspect* aspect = nullptr;  // the env objects' private projection
  RandomGenerator* random = nullptr;   // the one generator of the flight
  const SceneDirector* director = nullptr;  // scene clock and scene fog
  // Called after each object block and each geometry line while files load:
  // the host redraws the loading screen.
  std::function<void()> loadProgress;
};
