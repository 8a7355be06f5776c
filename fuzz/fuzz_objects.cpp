// An object file as a world's objects are read from the archive, with the
// GL work it does (display lists, textures) in one headless context for the
// whole run; every object is then updated and drawn once.
#include <cstdlib>

#include "base/debug_log.h"
#include "base/random.h"
#include "fuzz/fuzz_support.h"
#include "objects/object_context.h"
#include "objects/object_file.h"
#include "platform/headless/headless_platform.h"
#include "render/camera_view.h"
#include "render/gl_setup.h"
#include "render/render_resources.h"
#include "settings/memory_settings_store.h"
#include "support/mesh_bytes.h"

namespace {

struct HeadlessFlight {
  static constexpr int Width = 64, Height = 48;
  HeadlessFlight() {
    if (!platform.CreateFlightWindow({0, 0, Width, Height}, Width, Height, 0)) std::abort();
    settings.Width = Width, settings.Height = Height, settings.Depth = 32, settings.DefGamma = true;
    settings.ViewPortTop = settings.ViewPortHeight = Height;
    SavedGammaRamp gamma;
    InitOpenGL(platform, settings, aspect, gl, gamma, log);
    context = {&settings, &aspect, &random, &camera, &render, [] {}};
  }
  FakeResources resources;
  MemorySettingsStore store;
  HeadlessPlatform platform{resources, store};
  Settings settings;
  ViewAspect aspect;
  RandomGenerator random;
  CameraView camera;
  DebugLog log;
  GlExtensions gl;
  RenderResources render{resources.resources(), log, gl};
  ObjectContext context;
};

HeadlessFlight* flight = nullptr;

}  // namespace

// The context is made before the first input: the GL driver's one-time
// set-up is then no input's leak. It lives for the whole run.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  flight = new HeadlessFlight;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  InstallArchive(flight->resources, {{"world.txt", Bytes(data, size)}, {"meshes\\env.dat", EnvMesh().Encode()}});
  ObjectList objects;
  {
    ObjectFileParser parser(flight->context);
    parser.LoadObjectFile(objects, "world.txt");
  }
  for (auto& object : objects) {
    object->Update(0.25);
    object->Render(flight->camera);
  }
  return 0;
}
