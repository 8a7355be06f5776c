// Whole full-screen runs on the headless platform, with a small archive of
// the test's own: the start-up order, the random start, the exit rules and
// the shut-down.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "base/random.h"
#include "base/debug_log.h"
#include "host/flight.h"
#include "host/run_saver.h"
#include "host/screensaver_app.h"
#include "platform/headless/headless_platform.h"
#include "settings/memory_settings_store.h"
#include "support/fake_resources.h"
#include "support/flight_archive.h"

namespace {

class FlightTest : public ::testing::Test {
 protected:
  FlightTest() {
    resources.SetArchive(FlightArchive());
    store.Write("EnableMusic", 0);
    store.Write("UseDesktop", 1);
    platform.displays().Set({MakeHeadlessDisplay("Test", 160, 120, 0, 0, AdapterAttachedToDesktop | AdapterPrimary)});
    platform.SetSecondsPerFrame(1.0 / 60);
  }

  // Runs the flight; hook is called after every presented frame of the
  // frame loop with the number of loop frames so far.
  RunStatus Run(const std::function<void(int loopFrame)>& hook, uint32_t seed = 7) {
    ScreensaverApp app(platform);
    app.log.SetDestination(&log);
    app.InitApp("q.scr /s");
    app.seed = seed;
    platform.SetFrameHook([&](HeadlessPlatform& p, int64_t) {
      if (!app.flight || app.flight->director.sceneLoads == 0) return;
      ++loopFrames;
      if (loopFrames == 1) firstScene = app.flight->director.loadedScene;
      hook(loopFrames);
      if (loopFrames > 600) Push(p, InputEvent::Kind::Quit);  // never run away
    });
    return RunSaver(app);
  }

  static void Push(HeadlessPlatform& p, InputEvent::Kind kind, int x = 0, int y = 0) {
    InputEvent e;
    e.kind = kind;
    e.key = 'Q';
    e.x = x;
    e.y = y;
    p.PushInput(e);
  }

  FakeResources resources;
  MemorySettingsStore store;
  HeadlessPlatform platform{resources, store};
  int loopFrames = 0;
  std::string firstScene;
  std::ostringstream log;  // the start-up log of the last run
};

TEST_F(FlightTest, TheSeedChoosesTheStartSceneAndWorld) {
  for (uint32_t seed : {1u, 7u, 12345u}) {
    loopFrames = 0;
    store.Write("Galaxy", 1);
    Run([&](int frame) { if (frame == 1) Push(platform, InputEvent::Kind::Quit); }, seed);
    RandomGenerator expected;
    expected.Seed(seed);
    int scene = expected.NextScaled(3.9);
    const char* world = kGalaxies[expected.NextScaled(2.9)];
    EXPECT_EQ(firstScene, std::string(world) + "\\scene" + std::to_string(scene) + ".txt") << seed;
  }
}

TEST_F(FlightTest, WithoutGalaxyTheFirstFrameAlreadyShowsTheSuccessor) {
  store.Write("Galaxy", 0);
  Run([&](int frame) { if (frame == 1) Push(platform, InputEvent::Kind::Quit); });
  EXPECT_EQ(firstScene.rfind("home\\planet", 0), 0u) << firstScene;
}

TEST_F(FlightTest, AKeyEndsTheRunAndTheFrameThatFoundItIsStillPresented) {
  int framesAfterKey = -1;
  Run([&](int frame) {
    if (frame == 30) Push(platform, InputEvent::Kind::KeyDown);
    if (frame >= 30) ++framesAfterKey;
  });
  EXPECT_EQ(loopFrames, 31);
  EXPECT_EQ(framesAfterKey, 1);
}

TEST_F(FlightTest, MouseTravelEndsTheRunOnlyWithMouseExitAndOnlyPastTheThreshold) {
  struct Case { uint32_t mouseExit; int pixels; bool ends; } cases[] = {
      {1, 24, true}, {1, -24, true}, {1, 23, false}, {0, 60, false}};
  for (const Case& c : cases) {
    loopFrames = 0;
    store.Write("MouseExit", c.mouseExit);
    Run([&](int frame) {
      if (frame == 10) Push(platform, InputEvent::Kind::MouseMove, 80 + c.pixels, 60);
      if (frame == 20) Push(platform, InputEvent::Kind::Quit);
    });
    EXPECT_EQ(loopFrames, c.ends ? 11 : 20) << c.mouseExit << " " << c.pixels;
  }
}

TEST_F(FlightTest, WhereThePointerRestedBeforeTheFlightIsNoMoveButAKeyStillCounts) {
  store.Write("MouseExit", 1);
  Push(platform, InputEvent::Kind::MouseMove, 150, 110);  // far from the centre, queued while loading
  Run([&](int frame) { if (frame == 20) Push(platform, InputEvent::Kind::Quit); });
  EXPECT_EQ(loopFrames, 20);
  loopFrames = 0;
  Push(platform, InputEvent::Kind::KeyDown);
  Run([&](int frame) { if (frame == 20) Push(platform, InputEvent::Kind::Quit); });
  EXPECT_EQ(loopFrames, 1);
}

TEST_F(FlightTest, TheStartUpRunsInItsOrderAndTheDisplayIsGivenBack) {
  store.Write("DefGamma", 0);
  store.Write("Gamma", 80);
  uint16_t original[768];
  for (int i = 0; i < 768; ++i) original[i] = uint16_t(i * 80);
  platform.SetInitialGammaRamp(original);
  bool rampChanged = false;
  Run([&](int frame) {
    rampChanged = rampChanged || platform.gammaRamp()[700] != original[700];
    if (frame == 2) Push(platform, InputEvent::Kind::Quit);
  });
  std::string text = log.str();
  size_t at = 0;
  for (const char* step : {"Start screensaver", "Set resolution: 160x120 ...", "Create window for monitor <Headless monitor Test>:160x120...",
                           "Initialize OpenGL", "Load resources", "Load environment...", "Load static objects...",
                           "Load dynamic objects...", "Starting main loop", "...Exit"}) {
    size_t found = text.find(step, at);
    ASSERT_NE(found, std::string::npos) << step;
    at = found;
  }
  EXPECT_TRUE(rampChanged);
  for (int i = 0; i < 768; ++i) ASSERT_EQ(platform.gammaRamp()[i], original[i]) << i;
  EXPECT_EQ(platform.frames() > 360, true);  // loading screens and six seconds of intro came first
}

// While the flight runs it holds the display mode, the cursor, both windows
// and the audio library; at the end it gives every one of them back.
TEST_F(FlightTest, TheShutDownGivesBackModeCursorWindowsAndAudio) {
  store.Write("UseDesktop", 0);
  store.Write("Width", 640), store.Write("Height", 480), store.Write("Depth", 32);
  store.Write("EnableMusic", 1);
  HeadlessPlatform withAudio(resources, store, [](AudioLibrary&) { return true; });
  withAudio.displays().Set({MakeHeadlessDisplay("Left", 160, 120, 0, 0, AdapterAttachedToDesktop | AdapterPrimary),
                            MakeHeadlessDisplay("Right", 160, 120, 160, 0, AdapterAttachedToDesktop)});
  withAudio.SetSecondsPerFrame(1.0 / 60);
  bool heldEverything = false;
  ScreensaverApp app(withAudio);
  app.InitApp("q.scr /s");
  withAudio.SetFrameHook([&](HeadlessPlatform& p, int64_t) {
    if (!app.flight || app.flight->director.sceneLoads == 0) return;
    heldEverything = p.modeSwitched() && p.switchedMode().width == 640 && !p.cursorVisible() &&
                     p.windowsShown() && p.coverWindows().size() == 1 && p.audioLoaded();
    Push(p, InputEvent::Kind::Quit);
  });
  EXPECT_EQ(RunSaver(app), RunStatus::Ok);
  EXPECT_TRUE(heldEverything);
  EXPECT_FALSE(withAudio.modeSwitched());
  EXPECT_TRUE(withAudio.cursorVisible());
  EXPECT_FALSE(withAudio.windowsShown());
  EXPECT_TRUE(withAudio.coverWindows().empty());
  EXPECT_EQ(withAudio.flightWindow().right, 0);
  EXPECT_FALSE(withAudio.audioLoaded());
}

TEST_F(FlightTest, WithoutAnyMonitorNothingIsDrawn) {
  platform.displays().Set({});
  EXPECT_EQ(Run([](int) {}), RunStatus::NoWindow);
  EXPECT_EQ(platform.frames(), 0);
}

TEST_F(FlightTest, AMissingAudioLibraryEndsTheRunBeforeTheIntro) {
  store.Write("EnableMusic", 1);
  EXPECT_EQ(Run([](int) {}), RunStatus::NoAudioLibrary);
  EXPECT_EQ(loopFrames, 0);
  EXPECT_LT(platform.frames(), 10);  // only the loading screens
}

}  // namespace
