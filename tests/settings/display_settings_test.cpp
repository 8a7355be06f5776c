#include "settings/display_settings.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

Settings Mode(int32_t width, int32_t height, int32_t depth, bool useDesktop) {
  Settings s;
  s.Width = width;
  s.Height = height;
  s.Depth = depth;
  s.UseDesktop = useDesktop;
  return s;
}

TEST(DesktopMode, UseDesktopOrAnUnusableModeTakesTheDesktops) {
  DisplayMode desktop;
  desktop.width = 1920;
  desktop.height = 1080;
  desktop.bitsPerPixel = 24;
  struct Case {
    Settings before;
    int32_t width, height, depth;
  } cases[] = {
      {Mode(800, 600, 32, true), 1920, 1080, 24},  {Mode(800, 600, 32, false), 800, 600, 32},
      {Mode(0, 600, 32, false), 1920, 1080, 32},   {Mode(800, -1, 16, false), 1920, 1080, 16},
      {Mode(100000, 600, 32, false), 1920, 1080, 32}, {Mode(16, 16, 32, false), 1920, 1080, 32},
      {Mode(800, 600, 8, false), 800, 600, 24},    {Mode(800, 600, -32, false), 800, 600, 24},
  };
  for (Case& c : cases) {
    ApplyDesktopMode(c.before, &desktop);
    EXPECT_EQ(c.before.Width, c.width);
    EXPECT_EQ(c.before.Height, c.height);
    EXPECT_EQ(c.before.Depth, c.depth);
  }
  Settings unknown = Mode(0, 600, 32, true);
  ApplyDesktopMode(unknown, nullptr);  // no display information
  EXPECT_EQ(unknown.Width, 0);
}

TEST(Viewport, WideScreenLetterboxRows) {
  Settings s = Mode(1024, 768, 32, false);
  s.WideScreen = true;
  ViewAspect aspect;
  ApplyViewport(s, aspect);
  EXPECT_EQ(s.ViewPortBottom, 96);
  EXPECT_EQ(s.ViewPortTop, 672);
  EXPECT_EQ(s.ViewPortHeight, 576);
  s.Height = 1001;  // rows truncate toward zero
  ApplyViewport(s, aspect);
  EXPECT_EQ(s.ViewPortBottom, 125);
  EXPECT_EQ(s.ViewPortTop, 875);
  EXPECT_EQ(s.ViewPortHeight, 750);
  s.WideScreen = false;
  ApplyViewport(s, aspect);
  EXPECT_EQ(s.ViewPortBottom, 0);
  EXPECT_EQ(s.ViewPortTop, 1001);
  EXPECT_EQ(s.ViewPortHeight, 1001);
}

TEST(Viewport, WideScreenBandsOnlyBringThePictureTo16By9) {
  struct Case {
    int width, height, bottom, pictureRows;
  };
  for (Case c : {Case{800, 600, 75, 450}, Case{1280, 1024, 128, 768}, Case{1920, 1200, 60, 1080},
                 Case{1680, 1050, 52, 945}, Case{1280, 720, 0, 720}, Case{2560, 1080, 0, 1080}}) {
    Settings s = Mode(c.width, c.height, 32, false);
    s.WideScreen = true;
    ViewAspect aspect;
    ApplyViewport(s, aspect);
    EXPECT_EQ(s.ViewPortBottom, c.bottom) << c.width << "x" << c.height;
    EXPECT_EQ(s.ViewPortHeight, c.pictureRows) << c.width << "x" << c.height;
    EXPECT_EQ(s.ViewPortTop, c.bottom + c.pictureRows) << c.width << "x" << c.height;
    EXPECT_FLOAT_EQ(aspect.AspectRatio, 0.9f * float(c.width) / float(c.pictureRows));
  }
}

TEST(Viewport, AspectFollowsTheViewport) {
  ViewAspect aspect;
  for (auto [width, height] : {std::pair{1024, 768}, {800, 600}, {640, 480}, {1600, 1200}}) {
    Settings s = Mode(width, height, 32, false);
    s.WideScreen = true;
    ApplyViewport(s, aspect);
    EXPECT_EQ(aspect.AspectRatio, 1.6f) << width;
    EXPECT_EQ(aspect.AspectScale, 0.9f);
    s.WideScreen = false;
    ApplyViewport(s, aspect);
    EXPECT_EQ(aspect.AspectRatio, 1.3333334f) << width;
    EXPECT_EQ(aspect.AspectScale, 1.0f);
  }
  Settings hd = Mode(1920, 1080, 32, false);
  ApplyViewport(hd, aspect);
  EXPECT_FLOAT_EQ(aspect.AspectRatio, 16.0f / 9);
  hd.WideScreen = true;
  ApplyViewport(hd, aspect);
  EXPECT_FLOAT_EQ(aspect.AspectRatio, 1.6f);
  hd.Height = 0;
  ApplyViewport(hd, aspect);
  EXPECT_EQ(aspect.AspectRatio, 1.3333334f);
}

}  // namespace
