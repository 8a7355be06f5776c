// Flight: the state of one full-screen run, from the first window to the
// shut-down: the director and its camera, the worlds with every object, the
// dust, the HUD, the music, the input and the timers. The application
// object owns it while RunSaver runs.
#pragma once
#include <memory>

#include "director/director_context.h"
#include "director/random.h"
#include "director/registries.h"
#include "director/scene_director.h"
#include "director/scene_gl.h"
#include "host/input_state.h"
#include "host/music_player.h"
#include "host/stopwatch.h"
#include "objects/object_context.h"
#include "objects/object_file.h"
#include "objects/particle_system.h"
#include "render/gl_setup.h"
#include "render/hud.h"

class ScreensaverApp;

struct Flight {
  explicit Flight(ScreensaverApp& app);

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
  double reciprocalFrequency = 0;
  int32_t frameCounter = 0;
  int32_t displayedFps = 0;
};
