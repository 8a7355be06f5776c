// The full-screen run on the headless platform with the built-in archive:
// the start-up from the first archive open to the first frame of the
// flight, and one frame's updates and drawing. Counters give the archive's
// size and the number of objects loaded.
#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <string>
#include <vector>

#include "assets/archive/archive_reader.h"
#include "assets/picture_queue.h"
#include "assets/resource_source.h"
#include "assets/resources.h"
#include "host/flight.h"
#include "host/run_saver.h"
#include "host/screensaver_app.h"
#include "platform/embedded_resources.h"
#include "platform/headless/headless_platform.h"
#include "render/texture_loader.h"
#include "settings/memory_settings_store.h"

namespace {

size_t CountObjects(const Flight& flight) {
  size_t n = flight.dynamicObjects.size();
  for (const auto& e : flight.environments) n += e->firstPass.size() + e->postPass.size();
  for (const auto& w : flight.worlds) n += w->objects.size();
  return n;
}

bool Loading(const ScreensaverApp& app) {
  return !app.flight || app.flight->hud.loadingSteps == 0 || app.flight->objectContext.loadProgress;
}

// Runs the flight for loopFrames frames on a virtual clock of
// secondsPerFrame; onFrame sees each with the flight. With realTimeLoading
// the clock follows real time until the loading screen's last present, as a
// display's would: the loading screen's throttle then works as on a screen.
template <typename OnFrame>
void Fly(int loopFrames, double secondsPerFrame, int width, int height, bool realTimeLoading, OnFrame onFrame) {
  EmbeddedResources resources;
  MemorySettingsStore store;
  store.Write("EnableMusic", 0);
  HeadlessPlatform platform(resources, store);
  platform.displays().Set({MakeHeadlessDisplay("Bench", width, height, 0, 0, AdapterAttachedToDesktop | AdapterPrimary)});
  platform.SetSecondsPerFrame(realTimeLoading ? 0 : secondsPerFrame);
  platform.FollowRealTime(realTimeLoading);
  ScreensaverApp app(platform);
  app.InitApp("bench /s");
  app.seed = 1;
  int frame = 0;
  platform.SetFrameHook([&](HeadlessPlatform& p, int64_t) {
    if (realTimeLoading && !Loading(app)) {
      p.FollowRealTime(false);
      p.SetSecondsPerFrame(secondsPerFrame);
    }
    if (!app.flight || app.flight->director.sceneLoads == 0) return;
    onFrame(*app.flight, ++frame);
    if (frame == loopFrames) {
      InputEvent quit;
      quit.kind = InputEvent::Kind::Quit;
      p.PushInput(quit);
    }
  });
  RunSaver(app);
}

// The desktop size is the screen size: the flight runs in the desktop's mode.
void StartUp(benchmark::State& state, int width, int height) {
  size_t objects = 0;
  for (auto _ : state) {
    auto start = std::chrono::steady_clock::now();
    double seconds = 0;
    Fly(1, 1.0, width, height, true, [&](const Flight& flight, int) {  // a virtual second a frame: six intro frames
      seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      objects = CountObjects(flight);
    });
    state.SetIterationTime(seconds);
  }
  state.counters["archive_MB"] = EmbeddedResources().Find(CustomDataType, ArchiveResourceId).size / 1e6;
  state.counters["objects"] = double(objects);
}
const int registered = [] {
  const int sizes[][2] = {{64, 48}, {800, 600}, {1920, 1080}};
  for (const auto& size : sizes) {
    std::string name = "StartUp/" + std::to_string(size[0]) + "x" + std::to_string(size[1]);
    benchmark::RegisterBenchmark(name.c_str(), StartUp, size[0], size[1])
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
  }
  return 0;
}();

// The names of the archive's pictures: every one of them is a texture of
// the flight (the objects', the font's, the dust's and the lens flares').
std::vector<std::string> ArchivePictures(const ResourceSource& resources, ArchiveDiagnostics& diagnostics) {
  ResourceBytes archive = resources.Find(CustomDataType, ArchiveResourceId);
  ArchiveView view{archive.data, archive.size, 0};
  std::vector<std::string> names;
  ListArchiveMembers(view, diagnostics, [&](const ArchiveEntry& entry, bool) {
    std::string name = entry.name;
    if (name.size() > 4 && (name.ends_with(".jpg") || name.ends_with(".tga"))) names.push_back(name);
  });
  return names;
}

// The floor under StartUp: decoding, uploading and mipmapping every picture
// the flight loads (the archive's and the loading screen's resources), by
// the texture loader the flight uses, with the archive's pictures decoded
// ahead on worker threads as the loading does, in the same headless context.
void TextureFloor(benchmark::State& state) {
  EmbeddedResources source;
  DiscardedDiagnostics diagnostics;
  Resources resources(source, diagnostics);
  MemorySettingsStore store;
  HeadlessPlatform platform(source, store);
  platform.CreateFlightWindow({0, 0, 64, 48}, 64, 48, 0);
  DebugLog log;
  GlExtensions gl;
  std::vector<std::string> pictures = ArchivePictures(source, diagnostics);
  for (auto _ : state) {
    RenderResources render(resources, log, gl);  // a new texture cache: every picture decoded again
    std::vector<GLuint> textures;
    ImageStatus status;
    auto start = std::chrono::steady_clock::now();
    PictureQueue queue(resources, PictureQueue::DefaultWorkers());
    render.pictures = &queue;
    for (const std::string& name : pictures)
      if (name.ends_with(".jpg")) queue.Expect(name);
    for (const std::string& name : pictures) {
      GLuint texture = 0;
      if (name.ends_with(".tga"))
        texture = LoadTgaTexture(render, name.c_str(), false, 0, status);
      else
        LoadTexture(render, texture, name.c_str());
      textures.push_back(texture);
    }
    const int resourcePictures[] = {133, 134, 129, 130, 131, 132};
    for (int id : resourcePictures) {
      GLuint texture = 0;
      if (id >= 133)
        LoadTexture(render, texture, "", true, id);
      else
        texture = LoadTgaTexture(render, "", true, id, status);
      textures.push_back(texture);
    }
    glFinish();
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    glDeleteTextures(GLsizei(textures.size()), textures.data());
  }
  state.counters["pictures"] = double(pictures.size() + 6);
}
BENCHMARK(TextureFloor)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// Wall and process CPU time per frame of the flight's first minute.
void Frame(benchmark::State& state) {
  for (auto _ : state) {
    std::clock_t cpuStart = 0;
    auto wallStart = std::chrono::steady_clock::now();
    const int warmUp = 60, measured = 600;
    Fly(warmUp + measured, 1.0 / 60, 800, 600, false, [&](const Flight&, int frame) {
      if (frame == warmUp) {
        cpuStart = std::clock();
        wallStart = std::chrono::steady_clock::now();
      }
      if (frame == warmUp + measured) {
        double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
        state.SetIterationTime(wall / measured);
        state.counters["cpu_ms_per_frame"] = 1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC / measured;
      }
    });
  }
}
BENCHMARK(Frame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
