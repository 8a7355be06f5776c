// Flight: the state of one full-screen run, from the first window to the
// shut-down: the director and its camera, the worlds with every object, the
// dust, the HUD, the GL entry points, the music, the input and the timers.
// It is built from what it uses of the application, which owns it while
// RunSaver runs and outlives it.
#pragma once
#include <memory>

#include "assets/resources.h"
#include "base/debug_log.h"
#include "base/random.h"
#include "director/director_context.h"
#include "director/registries.h"
#include "director/scene_director.h"
#include "host/input_state.h"
#include "host/music_player.h"
#include "host/stopwatch.h"
#include "objects/object_context.h"
#include "objects/object_file.h"
#include "objects/particle_system.h"
#include "platform/platform.h"
#include "render/fog_control.h"
#include "render/gl_extensions.h"
#include "render/gl_setup.h"
#include "render/hud.h"
#include "render/render_resources.h"
#include "settings/settings.h"

struct Flight {
  Flight(Platform& platform, const Settings& settings, const ViewAspect& aspect, const Resources& resources,
         DebugLog& log);

  GlExtensions gl;
  RenderResources render;
  RandomGenerator random;
  SceneDirector director;
  ObjectContext objectContext;
  ObjectFileParser parser{objectContext};
  EnvironmentList environments;
  WorldList worlds;
  ObjectList dynamicObjects;
  std::unique_ptr<ParticleSystem> dust;
  GlFogControl fog;
  DirectorContext directorContext;
  Hud hud;
  SavedGammaRamp gamma;
  MusicPlayer music;
  InputState input;

  // The lists drawn last frame (updated this frame), refreshed from the
  // current world when the frame is drawn.
  ObjectRefs firstPass, worldObjects, postPass;

  Stopwatch frameTimer, fpsTimer;
  bool swapIntervalSet = false;  // the OpenGL set-up could set the swap interval
  double reciprocalFrequency = 0;
  int32_t frameCounter = 0;
  int32_t displayedFps = 0;
};
