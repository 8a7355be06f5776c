// The Linux desktop backend under a real X server (scripts/test starts a
// private Xvfb): windows and GL, events as window messages, and a whole run.
#include "platform/sdl/sdl_platform.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

#include "host/run_saver.h"
#include "host/screensaver_app.h"
#include "platform/sdl/sdl_input.h"
#include "render/gl.h"
#include "settings/memory_settings_store.h"
#include "support/fake_resources.h"
#include "support/flight_archive.h"
#include "support/shipped_resources.h"

namespace {

bool HaveDisplay() { return std::getenv("DISPLAY") != nullptr; }

SDL_Event KeyEvent(Uint32 type, SDL_Keycode key, Uint16 mod = KMOD_NONE) {
  SDL_Event e{};
  e.type = type;
  e.key.keysym.sym = key;
  e.key.keysym.mod = mod;
  return e;
}

TEST(SdlInput, KeysAndClicksBecomeMessagesButSystemKeysDoNot) {
  EXPECT_EQ(TranslateSdlEvent(KeyEvent(SDL_KEYDOWN, SDLK_a)).kind, InputEvent::Kind::KeyDown);
  EXPECT_EQ(TranslateSdlEvent(KeyEvent(SDL_KEYDOWN, SDLK_a)).key, 'A');
  EXPECT_EQ(TranslateSdlEvent(KeyEvent(SDL_KEYUP, SDLK_ESCAPE)).kind, InputEvent::Kind::KeyUp);
  EXPECT_EQ(TranslateSdlEvent(KeyEvent(SDL_KEYUP, SDLK_ESCAPE)).key, 0x1B);
  for (SDL_Keycode system : {SDLK_LALT, SDLK_RALT, SDLK_F10})
    EXPECT_EQ(TranslateSdlEvent(KeyEvent(SDL_KEYDOWN, system)).kind, InputEvent::Kind::Other) << system;
  EXPECT_EQ(TranslateSdlEvent(KeyEvent(SDL_KEYDOWN, SDLK_x, KMOD_LALT)).kind, InputEvent::Kind::Other);

  SDL_Event click{};
  click.type = SDL_MOUSEBUTTONDOWN;
  for (Uint8 button : {SDL_BUTTON_LEFT, SDL_BUTTON_RIGHT}) {
    click.button.button = button;
    EXPECT_EQ(TranslateSdlEvent(click).kind, InputEvent::Kind::ButtonDown);
  }
  click.button.button = SDL_BUTTON_MIDDLE;
  EXPECT_EQ(TranslateSdlEvent(click).kind, InputEvent::Kind::Other);
  SDL_Event wheel{};
  wheel.type = SDL_MOUSEWHEEL;
  EXPECT_EQ(TranslateSdlEvent(wheel).kind, InputEvent::Kind::Other);
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  EXPECT_EQ(TranslateSdlEvent(quit).kind, InputEvent::Kind::Quit);
}

TEST(SdlPlatform, AWindowedRunHasOneDisplayOfTheWindowsSizeAndAGlContext) {
  if (!HaveDisplay()) GTEST_SKIP() << "no X display";
  MemorySettingsStore store;
  SdlPlatform platform(store, nullptr, 320, 240);
  DisplayAdapter adapter;
  ASSERT_TRUE(platform.EnumDisplayAdapter(0, adapter));
  EXPECT_FALSE(platform.EnumDisplayAdapter(1, adapter));
  DisplayMode mode;
  ASSERT_TRUE(platform.CurrentDisplayMode(nullptr, mode));
  EXPECT_EQ(mode.width, 320);
  EXPECT_EQ(mode.height, 240);
  ScreenRect rect{0, 0, 320, 240};
  EXPECT_NE(platform.MonitorFromRect(rect), 0u);
  ASSERT_TRUE(platform.CreateFlightWindow(rect, 320, 240, 0));
  platform.ShowWindows();
  EXPECT_NE(glGetString(GL_VERSION), nullptr);
  EXPECT_NE(platform.GetGLProcAddress("glActiveTextureARB"), nullptr);
  int x, y;
  platform.FlightWindowCentre(x, y);
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_EQ(viewport[2], 320);
  platform.DestroyWindows();
}

// SIGHUP (and SIGTERM, SIGINT alike) no longer kills the process at once:
// the next message is Quit, so the run's shut-down gives the gamma ramp and
// the display mode back.
TEST(SdlPlatform, ATerminationSignalBecomesAQuitMessage) {
  if (!HaveDisplay()) GTEST_SKIP() << "no X display";
  MemorySettingsStore store;
  SdlPlatform platform(store, nullptr, 320, 240);
  InputEvent event;
  while (platform.PumpMessage(event)) ASSERT_NE(event.kind, InputEvent::Kind::Quit);
  ASSERT_EQ(raise(SIGHUP), 0);
  ASSERT_TRUE(platform.PumpMessage(event));
  EXPECT_EQ(event.kind, InputEvent::Kind::Quit);
}

// A key pressed while loading waits in the queue and ends the run in the
// first iterations of the frame loop, after the six-second intro.
TEST(SdlPlatform, AKeyPressedWhileLoadingEndsTheRunAfterTheIntro) {
  if (!HaveDisplay()) GTEST_SKIP() << "no X display";
  FakeResources resources;
  resources.SetArchive(FlightArchive());
  resources.Set(135, ShippedResource("def_settings.txt"));
  MemorySettingsStore store;
  store.Write("EnableMusic", 0);
  // The test's archive instead of the built-in one.
  struct TestPlatform : SdlPlatform {
    TestPlatform(SettingsStore& store, const ResourceSource& source)
        : SdlPlatform(store, nullptr, 320, 240), source(source) {}
    const ResourceSource& Resources() override { return source; }
    const ResourceSource& source;
  } platform(store, resources);
  SDL_Event key = KeyEvent(SDL_KEYDOWN, SDLK_SPACE);
  ASSERT_EQ(SDL_PushEvent(&key), 1);
  ScreensaverApp app(platform);
  app.InitApp("quorvan3d /s");
  Uint64 start = SDL_GetTicks64();
  EXPECT_EQ(RunSaver(app), RunStatus::Ok);
  Uint64 elapsed = SDL_GetTicks64() - start;
  EXPECT_GE(elapsed, 6000u);
  EXPECT_LT(elapsed, 30000u);
}

}  // namespace
