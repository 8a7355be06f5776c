#include <gtest/gtest.h>

#include "host/screensaver_app.h"
#include "platform/headless/headless_platform.h"
#include "settings/memory_settings_store.h"
#include "support/fake_resources.h"
#include "support/shipped_resources.h"

namespace {

class InitAppTest : public ::testing::Test {
 protected:
  InitAppTest() {
    resources.Set(135, ShippedResource("def_settings.txt"));
    resources.Set(120, ShippedResource("language.txt"));
    platform.displays().Set(
        {MakeHeadlessDisplay("Desk", 1920, 1080, 0, 0, AdapterAttachedToDesktop | AdapterPrimary)});
  }
  FakeResources resources;
  MemorySettingsStore store;
  HeadlessPlatform platform{resources, store};
};

TEST_F(InitAppTest, ShippedDefaultsOnA16By9DesktopFillItWithoutBands) {
  ScreensaverApp app(platform);
  app.InitApp("q.scr /s");
  const Settings& s = app.settings;
  EXPECT_EQ(app.commandLine.mode, RunMode::Saver);
  EXPECT_EQ(app.monitors.count, 1);
  EXPECT_EQ(s.Width, 1920);  // UseDesktop is shipped on
  EXPECT_EQ(s.Height, 1080);
  EXPECT_TRUE(s.WideScreen);
  EXPECT_EQ(s.ViewPortBottom, 0);
  EXPECT_EQ(s.ViewPortHeight, 1080);
  EXPECT_FLOAT_EQ(app.aspect.AspectRatio, 1.6f);
  EXPECT_TRUE(s.Hrs12);
  EXPECT_TRUE(s.EnableMusic);
  EXPECT_EQ(s.Volume, 75);
  EXPECT_EQ(s.Gamma, 50);
  EXPECT_EQ(app.language.LookupText("ok"), "OK");
  EXPECT_TRUE(platform.messages().empty());
}

TEST_F(InitAppTest, StoredValuesWinAndRestoreDefaultsKeepsTheDesktopMode) {
  store.Write("WideScreen", 0);
  store.Write("UseDesktop", 0);
  store.Write("Width", 1280);
  store.Write("Height", 1024);
  store.Write("Volume", 30);
  ScreensaverApp app(platform);
  app.InitApp("q.scr /c:77");
  EXPECT_EQ(app.commandLine.mode, RunMode::Configure);
  EXPECT_EQ(app.commandLine.parentWindow, 77u);
  EXPECT_EQ(app.monitors.count, 0);  // the dialog needs no monitors
  EXPECT_EQ(app.settings.Width, 1280);
  EXPECT_EQ(app.settings.ViewPortHeight, 1024);
  EXPECT_FLOAT_EQ(app.aspect.AspectRatio, 1.25f);
  EXPECT_EQ(app.settings.Volume, 30);
  EXPECT_EQ(app.defaultSettings.Volume, 75);
  EXPECT_TRUE(app.defaultSettings.UseDesktop);
  EXPECT_EQ(app.defaultSettings.Width, 800);  // the default text covers the mode
  EXPECT_EQ(app.defaultSettings.ViewPortHeight, 1024);  // derived values stay the live ones
}

TEST_F(InitAppTest, MissingDefaultTextStillGivesAUsableRecord) {
  FakeResources empty;
  HeadlessPlatform bare{empty, store};
  bare.displays().Set(platform.displays().displays());
  ScreensaverApp app(bare);
  app.InitApp("q.scr /s");
  EXPECT_EQ(app.settings.Width, 1920);  // a zero size falls back to the desktop
  EXPECT_EQ(app.settings.Height, 1080);
  EXPECT_GT(app.settings.ViewPortHeight, 0);
}

}  // namespace
