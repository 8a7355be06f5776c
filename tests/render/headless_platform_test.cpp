#include "platform/headless/headless_platform.h"

#include <gtest/gtest.h>

#include <string>

#include "render/headless_gl.h"

namespace {

using HeadlessPlatformGl = HeadlessGl;

TEST_F(HeadlessPlatformGl, TheContextIsSoftwareWithTheRequestedBuffers) {
  std::string renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
  EXPECT_TRUE(renderer.find("llvmpipe") != std::string::npos || renderer.find("softpipe") != std::string::npos)
      << renderer;
  GLint red, alpha, depth, stencil;
  glGetIntegerv(GL_RED_BITS, &red);
  glGetIntegerv(GL_ALPHA_BITS, &alpha);
  glGetIntegerv(GL_DEPTH_BITS, &depth);
  glGetIntegerv(GL_STENCIL_BITS, &stencil);
  EXPECT_EQ(red, 8);
  EXPECT_EQ(alpha, 8);
  EXPECT_EQ(depth, 24);
  EXPECT_EQ(stencil, 8);
  glClearColor(0.0f, 0.5f, 1.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  platform.SwapBuffers();
  std::vector<uint8_t> pixels = platform.ReadPixels(0, 0, Size, Size);
  ASSERT_EQ(pixels.size(), size_t(Size) * Size * 4);
  EXPECT_EQ(std::vector<uint8_t>(pixels.end() - 4, pixels.end()), (std::vector<uint8_t>{0, 128, 255, 255}));
}

TEST_F(HeadlessPlatformGl, SwapsAdvanceTheClockAndCallTheHookEveryFrame) {
  EXPECT_EQ(platform.QueryCounter(), 0);
  platform.clock().Advance(0.5);
  EXPECT_EQ(platform.QueryCounter(), platform.QueryCounterFrequency() / 2);
  platform.SetSecondsPerFrame(0.25);
  std::vector<int64_t> seen;
  platform.SetFrameHook([&seen](HeadlessPlatform& p, int64_t frame) {
    seen.push_back(frame);
    if (frame == 2) p.PushInput({InputEvent::Kind::KeyDown, 27});
  });
  for (int i = 0; i < 3; ++i) platform.SwapBuffers();
  EXPECT_EQ(seen, (std::vector<int64_t>{1, 2, 3}));
  EXPECT_EQ(platform.frames(), 3);
  EXPECT_EQ(platform.QueryCounter(), platform.QueryCounterFrequency() * 5 / 4);
  InputEvent event;
  ASSERT_TRUE(platform.PumpMessage(event));
  EXPECT_EQ(event.kind, InputEvent::Kind::KeyDown);
  EXPECT_EQ(event.key, 27);
  EXPECT_FALSE(platform.PumpMessage(event));
}

TEST_F(HeadlessPlatformGl, InputComesOutInTheOrderItWentIn) {
  platform.PushInput({InputEvent::Kind::MouseMove, 0, 10, 20});
  platform.PushInput({InputEvent::Kind::ButtonDown});
  platform.PushInput({InputEvent::Kind::Quit});
  InputEvent event;
  std::vector<InputEvent::Kind> kinds;
  while (platform.PumpMessage(event)) kinds.push_back(event.kind);
  EXPECT_EQ(kinds, (std::vector<InputEvent::Kind>{InputEvent::Kind::MouseMove, InputEvent::Kind::ButtonDown,
                                                  InputEvent::Kind::Quit}));
}

TEST(HeadlessPlatform, DefaultsToOnePrimary800x600Display) {
  FakeResources resources;
  HeadlessPlatform platform(resources, Untouched<SettingsStore>());
  DisplayAdapter adapter;
  ASSERT_TRUE(platform.EnumDisplayAdapter(0, adapter));
  EXPECT_EQ(adapter.stateFlags, AdapterAttachedToDesktop | AdapterPrimary);
  EXPECT_FALSE(platform.EnumDisplayAdapter(1, adapter));
  DisplayMode mode;
  ASSERT_TRUE(platform.CurrentDisplayMode(nullptr, mode));
  EXPECT_EQ(mode.width, 800);
  EXPECT_EQ(mode.height, 600);
  EXPECT_EQ(mode.bitsPerPixel, 32);
  char monitor[128];
  EXPECT_TRUE(platform.EnumAdapterMonitor(adapter, monitor));
  EXPECT_EQ(platform.MonitorFromRect({0, 0, 800, 600}), 1u);
  EXPECT_EQ(platform.MonitorFromRect({800, 0, 1600, 600}), 0u);
}

TEST(HeadlessPlatform, MonitorsAreFoundByTheirLargestOverlap) {
  FakeResources resources;
  HeadlessPlatform platform(resources, Untouched<SettingsStore>());
  HeadlessDisplay mirror = MakeHeadlessDisplay("M", 1920, 1080, 0, 0, AdapterMirroring);
  mirror.monitorString[0] = 0;
  platform.displays().Set({MakeHeadlessDisplay("A", 1920, 1080, 0, 0, AdapterAttachedToDesktop | AdapterPrimary),
                           mirror, MakeHeadlessDisplay("B", 1280, 1024, 1920, 0, AdapterAttachedToDesktop),
                           MakeHeadlessDisplay("C", 1024, 768, 3200, 0, 0)});
  EXPECT_EQ(platform.MonitorFromRect({1920, 0, 3200, 1024}), 3u);
  EXPECT_EQ(platform.MonitorFromRect({1000, 0, 2100, 500}), 1u);
  EXPECT_EQ(platform.MonitorFromRect({1800, 0, 2100, 500}), 3u);
  EXPECT_EQ(platform.MonitorFromRect({3200, 0, 4224, 768}), 0u);  // C is off the desktop
  DisplayAdapter adapter;
  ASSERT_TRUE(platform.EnumDisplayAdapter(3, adapter));
  DisplayMode mode;
  EXPECT_FALSE(platform.CurrentDisplayMode(&adapter, mode));
  ASSERT_TRUE(platform.EnumDisplayAdapter(2, adapter));
  ASSERT_TRUE(platform.CurrentDisplayMode(&adapter, mode));
  EXPECT_EQ(mode.left, 1920);
  EXPECT_EQ(mode.width, 1280);
  char monitor[128];
  ASSERT_TRUE(platform.EnumDisplayAdapter(1, adapter));
  EXPECT_FALSE(platform.EnumAdapterMonitor(adapter, monitor));
}

TEST(HeadlessPlatform, KeepsWhatTheSaverAskedFor) {
  FakeResources resources;
  bool asked = false;
  HeadlessPlatform platform(resources, Untouched<SettingsStore>(), [&asked](AudioLibrary&) {
    asked = true;
    return true;
  });
  HeadlessPlatform silent(resources, Untouched<SettingsStore>());
  EXPECT_FALSE(silent.LoadAudioLibrary(Untouched<AudioLibrary>()));
  EXPECT_TRUE(platform.LoadAudioLibrary(Untouched<AudioLibrary>()));
  EXPECT_TRUE(asked);
  EXPECT_TRUE(platform.audioLoaded());
  platform.UnloadAudioLibrary();
  EXPECT_FALSE(platform.audioLoaded());

  EXPECT_EQ(&platform.Resources(), &resources);
  platform.ShowMessage("Scene: a not open", "ARCHIVE Error", MessageIcon::Error);
  platform.OpenUrl("https://example.org/");
  ASSERT_EQ(platform.messages().size(), 1u);
  EXPECT_EQ(platform.messages()[0].caption, "ARCHIVE Error");
  EXPECT_EQ(platform.messages()[0].icon, MessageIcon::Error);
  EXPECT_EQ(platform.openedUrls(), (std::vector<std::string>{"https://example.org/"}));

  platform.SetDisplayMode(1024, 768, 16);
  EXPECT_TRUE(platform.modeSwitched());
  EXPECT_EQ(platform.switchedMode().height, 768);
  platform.RestoreDisplayMode();
  EXPECT_FALSE(platform.modeSwitched());

  uint16_t ramp[768];
  ASSERT_TRUE(platform.GetGammaRamp(ramp));
  EXPECT_EQ(ramp[255], 65535);
  ramp[10] = 7;
  platform.SetGammaRamp(ramp);
  EXPECT_EQ(platform.gammaRamp()[10], 7);

  platform.SetLocalTime({23, 59, 58});
  EXPECT_EQ(platform.QueryLocalTime().minute, 59);
  platform.ShowCursor(false);
  platform.SetCursorPos(400, 300);
  EXPECT_FALSE(platform.cursorVisible());
  EXPECT_EQ(platform.cursorX(), 400);
}

TEST(HeadlessPlatform, TheFlightWindowSitsOnItsMonitor) {
  FakeResources resources;
  HeadlessPlatform platform(resources, Untouched<SettingsStore>());
  ASSERT_TRUE(platform.CreateFlightWindow({100, 50, 900, 650}, 64, 32));
  EXPECT_TRUE(platform.CreateCoverWindow({900, 0, 1700, 600}));
  platform.ShowWindows();
  EXPECT_TRUE(platform.windowsShown());
  int x, y;
  platform.FlightWindowCentre(x, y);
  EXPECT_EQ(x, 132);
  EXPECT_EQ(y, 66);
  EXPECT_EQ(platform.coverWindows().size(), 1u);
  EXPECT_NE(platform.GetGLProcAddress("glActiveTextureARB"), nullptr);
  platform.DestroyWindows();
  EXPECT_TRUE(platform.coverWindows().empty());
  EXPECT_TRUE(platform.ReadPixels(0, 0, 1, 1) == std::vector<uint8_t>(4, 0));
}

}  // namespace
