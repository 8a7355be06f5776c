// The full-screen run on the headless platform with the built-in archive:
// the start-up from the first archive open to the first frame of the
// flight, and one frame's updates and drawing. Counters give the archive's
// size and the number of objects loaded.
#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>

#include "host/flight.h"
#include "host/run_saver.h"
#include "host/screensaver_app.h"
#include "platform/embedded_resources.h"
#include "platform/headless/headless_platform.h"
#include "settings/memory_settings_store.h"

namespace {

size_t CountObjects(const Flight& flight) {
  size_t n = flight.dynamicObjects.size();
  for (const auto& e : flight.environments) n += e->firstPass.size() + e->postPass.size();
  for (const auto& w : flight.worlds) n += w->objects.size();
  return n;
}

// Runs the flight for loopFrames frames on a virtual clock of
// secondsPerFrame; onFrame sees each with the flight.
template <typename OnFrame>
void Fly(int loopFrames, double secondsPerFrame, OnFrame onFrame) {
  EmbeddedResources resources;
  MemorySettingsStore store;
  store.Write("EnableMusic", 0);
  HeadlessPlatform platform(resources, store);
  platform.displays().Set({MakeHeadlessDisplay("Bench", 800, 600, 0, 0, AdapterAttachedToDesktop | AdapterPrimary)});
  platform.SetSecondsPerFrame(secondsPerFrame);
  ScreensaverApp app(platform);
  app.InitApp("bench /s");
  app.seed = 1;
  int frame = 0;
  platform.SetFrameHook([&](HeadlessPlatform& p, int64_t) {
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

void StartUp(benchmark::State& state) {
  size_t objects = 0;
  for (auto _ : state) {
    auto start = std::chrono::steady_clock::now();
    double seconds = 0;
    Fly(1, 1.0, [&](const Flight& flight, int) {  // a virtual second a frame: six intro frames
      seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      objects = CountObjects(flight);
    });
    state.SetIterationTime(seconds);
  }
  state.counters["archive_MB"] = EmbeddedResources().Find(CustomDataType, ArchiveResourceId).size / 1e6;
  state.counters["objects"] = double(objects);
}
BENCHMARK(StartUp)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// Wall and process CPU time per frame of the flight's first minute.
void Frame(benchmark::State& state) {
  for (auto _ : state) {
    std::clock_t cpuStart = 0;
    auto wallStart = std::chrono::steady_clock::now();
    const int warmUp = 60, measured = 600;
    Fly(warmUp + measured, 1.0 / 60, [&](const Flight&, int frame) {
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
