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
  platform.Advance(0.5);
  EXPECT_EQ(platform.QueryCounter(), platform.QueryCounterFrequency() / 2);
  platform.SetSecondsPerFrame(0.25);
  std::vector<int64_t> seen;
  platform.SetFrameHook([&seen](HeadlessPlatform& p, int64_t frame) {
    seen.push_back(frame);
    if (frame != 2) return;
    p.PushInput({InputEvent::Kind::KeyDown, 27});
    p.PushInput({InputEvent::Kind::Quit});
  });
  for (int i = 0; i < 3; ++i) platform.SwapBuffers();
  EXPECT_EQ(seen, (std::vector<int64_t>{1, 2, 3}));
  EXPECT_EQ(platform.frames(), 3);
  EXPECT_EQ(platform.QueryCounter(), platform.QueryCounterFrequency() * 5 / 4);
  InputEvent event;
  ASSERT_TRUE(platform.PumpMessage(event));
  EXPECT_EQ(event.kind, InputEvent::Kind::KeyDown);
  EXPECT_EQ(event.key, 27);
  ASSERT_TRUE(platform.PumpMessage(event));
  EXPECT_EQ(event.kind, InputEvent::Kind::Quit);
  EXPECT_FALSE(platform.PumpMessage(event));
}

TEST(HeadlessPlatform, MonitorsAreFoundByTheirLargestOverlap) {
  FakeResources resources;
  MemorySettingsStore store;
  HeadlessPlatform platform(resources, store);
  DisplayMode mode;
  ASSERT_TRUE(platform.CurrentDisplayMode(nullptr, mode));  // by default one primary 800 x 600 display
  EXPECT_EQ(mode.width, 800);
  EXPECT_EQ(platform.MonitorFromRect({0, 0, 800, 600}), 1u);
  EXPECT_EQ(platform.MonitorFromRect({800, 0, 1600, 600}), 0u);
  platform.SetDisplayMode(1024, 768, 16);  // the primary display switches until restored
  ASSERT_TRUE(platform.CurrentDisplayMode(nullptr, mode));
  EXPECT_EQ(mode.height, 768);
  platform.RestoreDisplayMode();
  ASSERT_TRUE(platform.CurrentDisplayMode(nullptr, mode));
  EXPECT_EQ(mode.height, 600);
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
  EXPECT_FALSE(platform.EnumDisplayAdapter(4, adapter));
  EXPECT_FALSE(platform.CurrentDisplayMode(&adapter, mode));
  ASSERT_TRUE(platform.EnumDisplayAdapter(2, adapter));
  ASSERT_TRUE(platform.CurrentDisplayMode(&adapter, mode));
  EXPECT_EQ(mode.left, 1920);
  EXPECT_EQ(mode.width, 1280);
  char monitor[128];
  ASSERT_TRUE(platform.EnumDisplayAdapter(1, adapter));
  EXPECT_FALSE(platform.EnumAdapterMonitor(adapter, monitor));
}

TEST(HeadlessPlatform, TheFlightWindowSitsOnItsMonitor) {
  FakeResources resources;
  MemorySettingsStore store;
  HeadlessPlatform platform(resources, store);
  ASSERT_TRUE(platform.CreateFlightWindow({100, 50, 900, 650}, 64, 32, 0));
  int x, y;
  platform.FlightWindowCentre(x, y);
  EXPECT_EQ(x, 132);
  EXPECT_EQ(y, 66);
}

// A white triangle whose slanted edge crosses the pixels: with samples
// asked, the edge pixels come out partly covered.
TEST(HeadlessPlatform, AskedSamplesGiveAMultisampledWindowAndNoneAPlainOne) {
  FakeResources resources;
  MemorySettingsStore store;
  HeadlessPlatform platform(resources, store);
  for (int samples : {4, 0}) {
    ASSERT_TRUE(platform.CreateFlightWindow({0, 0, 32, 32}, 32, 32, samples));
    GLint buffers = -1;
    glGetIntegerv(GL_SAMPLE_BUFFERS, &buffers);
    EXPECT_EQ(buffers, samples > 0 ? 1 : 0);
    glClear(GL_COLOR_BUFFER_BIT);
    glBegin(GL_TRIANGLES);
    glVertex2f(-1, -1), glVertex2f(1, -1), glVertex2f(-1, 0.7f);
    glEnd();
    std::vector<uint8_t> pixels = platform.ReadPixels(0, 0, 32, 32);
    int partial = 0;
    for (size_t i = 0; i < pixels.size(); i += 4) partial += pixels[i] > 0 && pixels[i] < 255;
    EXPECT_EQ(partial > 0, samples > 0) << samples << " samples: " << partial << " edge pixels";
    platform.DestroyWindows();
  }
}

}  // namespace
