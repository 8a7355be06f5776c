// ObjectContext: what scene objects read of the running flight: the
// settings, the random generator, the camera view, and where their pictures
// and meshes come from. The application owns it; it outlives every object.
#pragma once
#include <functional>

#include "base/random.h"
#include "render/render_resources.h"
#include "settings/settings.h"

struct CameraView;

struct ObjectContext {
  const Settings* settings = nullptr;  // Width, Height, the picture rows
  const ViewAspect* aspect = nullptr;  // the env objects' private projection
  RandomGenerator* random = nullptr;   // the one generator of the flight
  const CameraView* camera = nullptr;  // scene clock and scene fog
  const RenderResources* render = nullptr;
  // Called after each object block and each geometry line while files load:
  // the host redraws the loading screen.
  std::function<void()> loadProgress;
};
