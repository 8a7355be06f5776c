#include "host/run_saver.h"

#include <memory>

#include "host/debug_log.h"
#include "host/flight.h"
#include "host/frame_loop.h"
#include "host/screensaver_app.h"
#include "render/digit_font.h"
#include "render/gl.h"

namespace {

// One window per monitor of the desktop: the flight on the first, black
// covers on the others. False when a window cannot be made or none was.
bool CreateWindows(ScreensaverApp& app) {
  bool first = true;
  for (int i = 0; i < app.monitors.count; ++i) {
    MonitorRecord& record = app.monitors.records[i];
    if (!record.monitor) continue;
    Log().Write("Create window for monitor <").Write(record.monitorDescription).Write(">:");
    Log().Write(record.rect.right - record.rect.left).Write("x").Write(record.rect.bottom - record.rect.top);
    Log().Write("...");
    bool made = first ? app.platform.CreateFlightWindow(record.rect, app.settings.Width, app.settings.Height)
                      : app.platform.CreateCoverWindow(record.rect);
    if (!made) return false;
    record.hasWindow = true;
    first = false;
    Log().EndStep();
  }
  return !first;
}

// Redraws the loading screen between the objects being read.
void ShowLoadingStep(ScreensaverApp& app) {
  Flight& flight = *app.flight;
  ++flight.hud.loadingSteps;
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  LoadingScreen(flight.hud, app.settings, flight.hud.loadingSteps);
  glFinish();
  app.platform.SwapBuffers();
}

void LoadWorldsAndObjects(ScreensaverApp& app) {
  Flight& flight = *app.flight;
  flight.objectContext.loadProgress = [&app] { ShowLoadingStep(app); };
  auto load = [&flight](ObjectList& list, const char* path) { flight.parser.LoadObjectFile(list, path); };
  Log().Write("Load environment...");
  LoadEnvironments(flight.environments, "env.txt", load);
  Log().EndStep();
  Log().Write("Load static objects...");
  LoadWorlds(flight.worlds, "worlds.txt", flight.environments, load);
  Log().EndStep();
  Log().Write("Load dynamic objects...");
  flight.parser.LoadObjectFile(flight.dynamicObjects, "dynamic.txt");
  Log().EndStep();
  flight.objectContext.loadProgress = nullptr;
}

// Six seconds from the loading picture into white, on real time.
void PlayIntro(ScreensaverApp& app) {
  Flight& flight = *app.flight;
  double delta = 0, elapsed = 0;
  while (elapsed < IntroDuration) {
    flight.frameTimer.Start(app.platform);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    IntroTransition(flight.hud, app.settings, float(delta));
    app.platform.SwapBuffers();
    delta = flight.frameTimer.Stop(app.platform, flight.reciprocalFrequency);
    elapsed += delta;
  }
}

void StartTheFlight(ScreensaverApp& app) {
  Flight& flight = *app.flight;
  flight.frameTimer.Start(app.platform);
  flight.random.Seed(app.seed ? *app.seed : uint32_t(flight.frameTimer.startCount()));
  flight.fpsTimer.Start(app.platform);
  World* world = app.startScene ? FindWorld(flight.worlds, app.startScene->world.c_str()) : nullptr;
  if (world)
    flight.director.StartAt(flight.directorContext, *world, app.startScene->file.c_str());
  else
    flight.director.StartFlight(flight.directorContext);
  flight.input.KeyTable[0] = 0;
  int x, y;
  app.platform.FlightWindowCentre(x, y);
  app.platform.SetCursorPos(x, y);
}

void ShutDown(ScreensaverApp& app) {
  Flight& flight = *app.flight;
  flight.music.Stop();
  if (!app.settings.DefGamma) RestoreGammaRamp(app.platform, flight.gamma);
  app.platform.RestoreDisplayMode();
  app.platform.DestroyWindows();
  app.platform.ShowCursor(true);
  app.flight.reset();
}

}  // namespace

int RunSaver(ScreensaverApp& app) {
  Settings& settings = app.settings;
  Platform& platform = app.platform;
  app.flight = std::make_unique<Flight>(app);
  Flight& flight = *app.flight;
  Log().WriteLine("Start screensaver");
  Log().Write("Path is <").Write(settings.programPath).Write(">\n");
  Log().Write("Set resolution: ").Write(settings.Width).Write("x").Write(settings.Height).Write(" ...");
  platform.SetDisplayMode(settings.Width, settings.Height, settings.Depth);
  platform.ShowCursor(false);
  Log().EndStep();
  // Unlike a bare return, the shut-down also gives back the display mode
  // and the cursor when the run cannot start.
  if (!CreateWindows(app)) {
    ShutDown(app);
    return 0;
  }
  flight.reciprocalFrequency = 1.0 / double(platform.QueryCounterFrequency());
  platform.ShowWindows();

  Log().WriteLine("Initialize OpenGL");
  InitOpenGL(platform, settings, app.aspect, flight.gamma);
  Log().EndStep();
  Log().WriteLine("Load resources");
  BuildDigitFont(flight.hud.font);
  LoadLoadingImages(flight.hud, &app.messages);
  flight.dust = CreateDustField(flight.objectContext);
  flight.director.position = {0, 0, 1500};
  flight.director.look = {0, 0, -1};
  flight.director.up = {0, 1, 0};
  LoadWorldsAndObjects(app);

  flight.director.sceneClock = 0;
  if (settings.EnableMusic && !flight.music.Start(settings.Volume, 0)) {
    ShutDown(app);
    return 0;
  }
  PlayIntro(app);
  StartTheFlight(app);
  Log().WriteLine("Starting main loop");
  RunFrameLoop(app);
  Log().Write("...Exit");
  Log().EndStep();
  ShutDown(app);
  return 0;
}
