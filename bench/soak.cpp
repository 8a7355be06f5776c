// soak: flies the whole film on the headless platform for a number of hours
// of flight time at a small size, and every 10 minutes of flight prints the
// resident memory and the mean real time a frame took. The flight's clock is
// virtual, so it moves on by a fixed step per frame and the run goes faster
// than real time.
// usage: soak [HOURS [SECONDS_PER_FRAME [WIDTHxHEIGHT]]]   (8, 0.1, 64x48)
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "host/flight.h"
#include "host/run_saver.h"
#include "host/screensaver_app.h"
#include "platform/embedded_resources.h"
#include "platform/headless/headless_platform.h"
#include "settings/memory_settings_store.h"

namespace {

constexpr double ReportEvery = 600;  // seconds of flight

double ResidentMegabytes() {
  long pages = 0, resident = 0;
  FILE* statm = std::fopen("/proc/self/statm", "r");
  if (!statm) return 0;
  if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
  std::fclose(statm);
  return double(resident) * 4096 / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  double hours = argc > 1 ? std::atof(argv[1]) : 8;
  double step = argc > 2 ? std::atof(argv[2]) : 0.1;
  int width = 64, height = 48;
  if ((argc > 3 && std::sscanf(argv[3], "%dx%d", &width, &height) != 2) || hours <= 0 || step <= 0 ||
      width < 64 || height < 48) {
    std::fprintf(stderr, "usage: soak [HOURS [SECONDS_PER_FRAME [WIDTHxHEIGHT]]]\n");
    return 2;
  }
  EmbeddedResources resources;
  MemorySettingsStore store;
  store.Write("EnableMusic", 0);
  HeadlessPlatform platform(resources, store);
  platform.displays().Set({MakeHeadlessDisplay("Soak", width, height, 0, 0, AdapterAttachedToDesktop | AdapterPrimary)});
  platform.SetSecondsPerFrame(step);
  ScreensaverApp app(platform);
  app.InitApp("soak /s");
  app.seed = 1;

  const int64_t framesPerReport = int64_t(ReportEvery / step + 0.5);
  const int64_t lastFrame = int64_t(hours * 3600 / step + 0.5);
  int64_t frame = 0;
  auto start = std::chrono::steady_clock::now(), reportStart = start;
  std::printf("flight_min\tresident_MB\tframe_ms\tscene_loads\n");
  platform.SetFrameHook([&](HeadlessPlatform& p, int64_t) {
    if (!app.flight || app.flight->director.sceneLoads == 0) return;
    if (++frame == 1) std::printf("%10.0f\t%11.1f\t%8s\t%d\n", 0.0, ResidentMegabytes(), "-", 1);
    if (frame % framesPerReport == 0) {
      auto now = std::chrono::steady_clock::now();
      double ms = std::chrono::duration<double, std::milli>(now - reportStart).count() / double(framesPerReport);
      reportStart = now;
      std::printf("%10.0f\t%11.1f\t%8.3f\t%u\n", double(frame) * step / 60, ResidentMegabytes(), ms,
                  unsigned(app.flight->director.sceneLoads));
      std::fflush(stdout);
    }
    if (frame == lastFrame) {
      InputEvent quit;
      quit.kind = InputEvent::Kind::Quit;
      p.PushInput(quit);
    }
  });
  RunSaver(app);
  std::printf("%g hours of flight in %.0f s\n", hours,
              std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  return 0;
}
