#include "host/run_saver.h"

#include <memory>

#include "assets/picture_queue.h"
#include "host/flight.h"
#include "host/frame_loop.h"
#include "host/loading_throttle.h"
#include "host/screensaver_app.h"
#include "render/digit_font.h"
#include "render/gl.h"

namespace {

// Samples per pixel when the FSAA setting is on.
constexpr int MultisampleCount = 4;

// One window per monitor of the desktop: the flight on the first, black
// covers on the others. False when a window cannot be made or none was.
bool CreateWindows(ScreensaverApp& app) {
  DebugLog& log = app.log;
  bool first = true;
  for (int i = 0; i < app.monitors.count; ++i) {
    MonitorRecord& record = app.monitors.records[i];
    if (!record.monitor) continue;
    log.Write("Create window for monitor <").Write(record.monitorDescription).Write(">:");
    log.Write(record.rect.right - record.rect.left).Write("x").Write(record.rect.bottom - record.rect.top);
    log.Write("...");
    int samples = app.settings.FSAA ? MultisampleCount : 0;
    bool made = first ? app.platform.CreateFlightWindow(record.rect, app.settings.Width, app.settings.Height, samples)
                      : app.platform.CreateCoverWindow(record.rect);
    if (!made) return false;
    record.hasWindow = true;
    first = false;
    log.EndStep();
  }
  return !first;
}

void PresentLoadingScreen(ScreensaverApp& app, LoadingThrottle& throttle) {
  Flight& flight = *app.flight;
  int64_t start = app.platform.QueryCounter();
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  LoadingScreen(flight.hud, app.settings, flight.hud.loadingSteps);
  glFinish();
  app.platform.SwapBuffers();
  throttle.Presented(start, app.platform.QueryCounter());
}

// One more step of the loading; the screen is redrawn when the throttle lets it.
void ShowLoadingStep(ScreensaverApp& app, LoadingThrottle& throttle) {
  ++app.flight->hud.loadingSteps;
  if (throttle.Due(app.platform.QueryCounter())) PresentLoadingScreen(app, throttle);
}

// Ends with the loading screen of the last step presented.
void LoadWorldsAndObjects(ScreensaverApp& app) {
  Flight& flight = *app.flight;
  DebugLog& log = app.log;
  LoadingThrottle throttle(app.platform.DisplayRefreshRate(), app.platform.QueryCounterFrequency());
  flight.objectContext.loadProgress = [&app, &throttle] { ShowLoadingStep(app, throttle); };
  auto load = [&flight](ObjectList& list, const char* path) { flight.parser.LoadObjectFile(list, path); };
  PictureQueue pictures(app.resources, PictureQueue::DefaultWorkers());
  flight.render.pictures = &pictures;
  log.Write("Load environment...");
  LoadEnvironments(flight.environments, "env.txt", app.resources, log, load);
  log.EndStep();
  log.Write("Load static objects...");
  LoadWorlds(flight.worlds, "worlds.txt", flight.environments, app.resources, log, load);
  log.EndStep();
  log.Write("Load dynamic objects...");
  flight.parser.LoadObjectFile(flight.dynamicObjects, "dynamic.txt");
  log.EndStep();
  flight.objectContext.loadProgress = nullptr;
  flight.render.pictures = nullptr;
  PresentLoadingScreen(app, throttle);
}

// The loading screen's corner pictures that cannot be shown; a TGA of an
// unsupported depth says so in a box of its own.
void LoadHudImages(ScreensaverApp& app) {
  for (ImageStatus status : LoadLoadingImages(app.flight->hud, app.flight->render))
    if (status == ImageStatus::UnsupportedDepth) app.messages.ShowMessage(ImageStatusText(status), "TGA");
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
  SceneStatus status = world ? flight.director.StartAt(flight.directorContext, *world, app.startScene->file.c_str())
                             : flight.director.StartFlight(flight.directorContext);
  ReportScene(app, status);
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

RunStatus RunSaver(ScreensaverApp& app) {
  Settings& settings = app.settings;
  Platform& platform = app.platform;
  DebugLog& log = app.log;
  app.flight = std::make_unique<Flight>(platform, settings, app.aspect, app.resources, log);
  Flight& flight = *app.flight;
  log.WriteLine("Start screensaver");
  log.Write("Path is <").Write(settings.programPath).Write(">\n");
  log.Write("Set resolution: ").Write(settings.Width).Write("x").Write(settings.Height).Write(" ...");
  platform.SetDisplayMode(settings.Width, settings.Height, settings.Depth);
  platform.ShowCursor(false);
  log.EndStep();
  // Unlike a bare return, the shut-down also gives back the display mode
  // and the cursor when the run cannot start.
  if (!CreateWindows(app)) {
    ShutDown(app);
    return RunStatus::NoWindow;
  }
  flight.reciprocalFrequency = 1.0 / double(platform.QueryCounterFrequency());
  platform.ShowWindows();

  log.WriteLine("Initialize OpenGL");
  flight.swapIntervalSet = InitOpenGL(platform, settings, app.aspect, flight.gl, flight.gamma, log);
  log.EndStep();
  log.WriteLine("Load resources");
  BuildDigitFont(flight.hud.font, flight.render);
  LoadHudImages(app);
  flight.dust = CreateDustField(flight.objectContext);
  flight.director.view.position = {0, 0, 1500};
  flight.director.view.look = {0, 0, -1};
  flight.director.up = {0, 1, 0};
  LoadWorldsAndObjects(app);

  flight.director.view.sceneClock = 0;
  if (settings.EnableMusic && !flight.music.Start(settings.Volume, 0)) {
    ShutDown(app);
    return RunStatus::NoAudioLibrary;
  }
  PlayIntro(app);
  StartTheFlight(app);
  log.WriteLine("Starting main loop");
  RunFrameLoop(app);
  log.Write("...Exit");
  log.EndStep();
  ShutDown(app);
  return RunStatus::Ok;
}

const char* RunStatusText(RunStatus status) {
  switch (status) {
    case RunStatus::Ok: return "ok";
    case RunStatus::NoWindow: return "no window could be created for the flight";
    case RunStatus::NoAudioLibrary: return "the audio library could not be loaded";
  }
  return "unknown";
}
