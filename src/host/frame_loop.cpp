#include "host/frame_loop.h"

#include <string>

#include "host/flight.h"
#include "host/frame_pacer.h"
#include "host/screensaver_app.h"
#include "render/gl.h"

namespace {

// How long a paused loop sleeps between looks at the window, waking for input.
constexpr double PausedWaitSeconds = 0.1;

void PullCursorToCentre(Platform& platform) {
  int x, y;
  platform.FlightWindowCentre(x, y);
  platform.SetCursorPos(x, y);
}

void Refer(const ObjectList& list, ObjectRefs& refs) {
  refs.clear();
  for (const auto& object : list) refs.push_back(object.get());
}

void UpdateAll(const ObjectRefs& refs, double delta) {
  for (SceneObject* object : refs) object->Update(delta);
}

void RenderAll(const ObjectRefs& refs, const CameraView& camera) {
  for (SceneObject* object : refs) object->Render(camera);
}

void UpdateObjects(Flight& flight, double delta) {
  UpdateAll(flight.firstPass, delta);
  UpdateAll(flight.worldObjects, delta);
  for (const auto& object : flight.dynamicObjects) object->Update(delta);
  UpdateAll(flight.postPass, delta);
}

// Handles one message; false when the queue was empty. Mouse moves queued
// before the first frame carry where the pointer rested while the windows
// appeared, not a move of the user's, so they are not counted.
bool HandleMessage(ScreensaverApp& app, bool& running, bool countMouse) {
  InputEvent event;
  if (!app.platform.PumpMessage(event)) return false;
  if (event.kind == InputEvent::Kind::Quit) {
    running = false;
  } else if (countMouse || event.kind != InputEvent::Kind::MouseMove) {
    int x, y;
    app.platform.FlightWindowCentre(x, y);
    app.flight->input.HandleEvent(event, x, y);
  }
  return true;
}

void RunFrame(ScreensaverApp& app, bool& running) {
  Platform& platform = app.platform;
  Flight& flight = *app.flight;
  if (flight.input.ConsumeMouseDeltas()) PullCursorToCentre(platform);
  if (flight.input.ExitRequested(app.settings.MouseExit)) running = false;
  double delta = flight.frameTimer.Stop(platform, flight.reciprocalFrequency);
  flight.frameTimer.Start(platform);
  ReportScene(app, flight.director.AdvanceFrame(delta, flight.directorContext));
  flight.dust->SetFrameTime(delta);
  UpdateObjects(flight, delta);
  flight.director.ApplyCameraTargets();
  RenderFrame(app);
  platform.SwapBuffers();
}

// Sleeps, waking for input, until the next frame is due; true when it is due now.
bool FrameDue(ScreensaverApp& app, const FramePacer& pacer) {
  int64_t wait = pacer.TicksUntilDue(app.platform.QueryCounter());
  if (wait == 0) return true;
  app.platform.WaitForMessage(double(wait) * app.flight->reciprocalFrequency);
  return false;
}

// After a pause the flight goes on from where it stopped: the time the
// window was away is not counted.
void Resume(ScreensaverApp& app, FramePacer& pacer) {
  Flight& flight = *app.flight;
  flight.frameTimer.Start(app.platform);
  flight.fpsTimer.Start(app.platform);
  flight.frameCounter = 0;
  pacer.Restart();
}

}  // namespace

void ReportScene(ScreensaverApp& app, SceneStatus status) {
  if (status != SceneStatus::ScriptNotOpened) return;
  std::string text = "Scene: " + app.flight->director.unopenedScript + " not open";
  app.messages.ShowError(text.c_str(), "ARCHIVE Error");
}

void RunFrameLoop(ScreensaverApp& app) {
  Platform& platform = app.platform;
  bool swapWaits = app.settings.VSync && app.flight->swapIntervalSet;
  FramePacer pacer(PacedFrameRate(app.settings, platform.DisplayRefreshRate(), swapWaits),
                   platform.QueryCounterFrequency());
  bool running = true, framePresented = false, paused = false;
  while (running) {
    if (HandleMessage(app, running, framePresented)) continue;
    if (!platform.FlightWindowVisible()) {
      paused = true;
      platform.WaitForMessage(PausedWaitSeconds);
      continue;
    }
    if (paused) Resume(app, pacer);
    paused = false;
    if (!FrameDue(app, pacer)) continue;
    pacer.FrameStarted(platform.QueryCounter());
    RunFrame(app, running);
    framePresented = true;
  }
}

void RenderFrame(ScreensaverApp& app) {
  Flight& flight = *app.flight;
  const Settings& settings = app.settings;
  SceneDirector& director = flight.director;
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  const World* world = director.currentWorld;
  if (!world) return;
  Refer(world->firstPass(), flight.firstPass);
  Refer(world->objects, flight.worldObjects);
  Refer(world->postPass(), flight.postPass);

  glLoadIdentity();
  ApplyView(director.view, director.up);
  const GLfloat lightPosition[] = {0, 0, 99900, 1};
  glLightfv(GL_LIGHT1, GL_POSITION, lightPosition);
  glEnable(GL_TEXTURE_2D);
  RenderAll(flight.firstPass, director.view);
  RenderAll(flight.worldObjects, director.view);
  for (const auto& object : flight.dynamicObjects) object->Render(director.view);
  RenderAll(flight.postPass, director.view);
  if (director.dustVisible) flight.dust->Render(director.view);

  if (flight.fpsTimer.Stop(app.platform, flight.reciprocalFrequency) > 1.0) {
    flight.displayedFps = flight.frameCounter;
    flight.frameCounter = 0;
    flight.input.MouseTravel = 0;
    flight.fpsTimer.Start(app.platform);
  }
  FadeOverlay(settings, director.sceneTime, director.fades);
  glFlush();
  glDisable(GL_BLEND);
  if (settings.WideScreen) DrawLetterbox(settings);
  if (settings.ShowClock) DrawClock(flight.hud, settings, app.platform.QueryLocalTime());
  if (settings.ShowFPS) DrawFps(flight.hud, settings, flight.displayedFps);
  glEnable(GL_BLEND);
  ++flight.frameCounter;
  glFlush();
}
