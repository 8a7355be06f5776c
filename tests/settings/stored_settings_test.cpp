#include "settings/stored_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/display_settings.h"
#include "settings/memory_settings_store.h"

namespace {

// A memory store that also notes the order of its operations.
struct RecordingStore : MemorySettingsStore {
  std::vector<std::string> log;
  bool Open(Access access) override {
    log.push_back(access == Access::Read ? "open read" : "open write");
    return true;
  }
  void Query(const char* name, uint32_t& value) override {
    log.push_back(name);
    MemorySettingsStore::Query(name, value);
  }
  void Write(const char* name, uint32_t value) override {
    log.push_back(name);
    MemorySettingsStore::Write(name, value);
  }
  bool Close() override {
    log.push_back("close");
    return true;
  }
};

struct UnreachableStore : MemorySettingsStore {
  bool Open(Access) override { return false; }
};

Settings Shipped() {
  Settings s;
  s.Width = 800;
  s.Height = 600;
  s.Depth = 32;
  s.Volume = 75;
  s.Gamma = 50;
  s.EnableMusic = s.ShowClock = s.Hrs12 = s.DefGamma = s.WideScreen = s.UseDesktop = s.Galaxy =
      true;
  return s;
}

TEST(StoredSettings, LoadAndSaveUseTheirOwnOrders) {
  RecordingStore store;
  Settings s = Shipped();
  LoadSettings(s, store);
  EXPECT_EQ(store.log, (std::vector<std::string>{
                           "open read", "ShowClock", "Hrs12", "EnableMusic", "UseDesktop",
                           "ShowFlame", "DefGamma", "Width", "Height", "Depth", "Volume", "Gamma",
                           "TimeScale", "Galaxy", "ShowFPS", "VSync", "MouseExit", "WideScreen",
                           "close"}));
  store.log.clear();
  EXPECT_TRUE(SaveSettings(s, store));
  EXPECT_EQ(store.log, (std::vector<std::string>{
                           "open write", "ShowClock", "Hrs12", "EnableMusic", "UseDesktop",
                           "ShowFlame", "DefGamma", "Width", "Height", "Depth", "Volume",
                           "TimeScale", "Gamma", "Galaxy", "VSync", "MouseExit", "WideScreen",
                           "ShowFPS", "close"}));
}

TEST(StoredSettings, MissingValuesAndTheSentinelKeepTheDefaults) {
  MemorySettingsStore store;
  store.Write("Width", 10000);
  store.Write("Height", 1024);
  store.Write("Galaxy", 0);
  store.Write("ShowFPS", 2);
  Settings s = Shipped();
  LoadSettings(s, store);
  EXPECT_EQ(s.Width, 800);
  EXPECT_EQ(s.Height, 1024);
  EXPECT_FALSE(s.Galaxy);
  EXPECT_TRUE(s.ShowFPS);
  EXPECT_EQ(s.Depth, 32);
  EXPECT_TRUE(s.ShowClock);
}

TEST(StoredSettings, TimeScaleAboveThreeComparedUnsignedIsZero) {
  for (auto [stored, loaded] : {std::pair<uint32_t, int32_t>{7, 0}, {3, 3}, {0xFFFFFFFFu, 0}}) {
    MemorySettingsStore store;
    store.Write("TimeScale", stored);
    Settings s;
    s.TimeScale = 1;
    LoadSettings(s, store);
    EXPECT_EQ(s.TimeScale, loaded) << stored;
  }
}

TEST(StoredSettings, GammaAndVolumeAreClampedIntoTheirRange) {
  MemorySettingsStore store;
  store.Write("Gamma", 150);
  store.Write("Volume", uint32_t(-20));
  Settings s = Shipped();
  LoadSettings(s, store);
  EXPECT_EQ(s.Gamma, 100);
  EXPECT_EQ(s.Volume, 0);
  store.Write("Gamma", uint32_t(-1));
  store.Write("Volume", 100000);
  LoadSettings(s, store);
  EXPECT_EQ(s.Gamma, 0);
  EXPECT_EQ(s.Volume, 100);
}

TEST(StoredSettings, SaveWritesBooleansAsZeroOrOneAndRoundTrips) {
  Settings s = Shipped();
  s.TimeScale = 2;
  s.Gamma = 73;
  s.ShowFlame = true;
  s.ViewPortHeight = 999;  // derived, never stored
  MemorySettingsStore store;
  ASSERT_TRUE(SaveSettings(s, store));
  EXPECT_EQ(store.values().size(), 17u);
  EXPECT_EQ(store.values().at("ShowClock"), 1u);
  EXPECT_EQ(store.values().at("MouseExit"), 0u);
  EXPECT_EQ(store.values().at("Gamma"), 73u);
  EXPECT_EQ(store.values().count("ViewPortHeight"), 0u);
  Settings loaded;
  LoadSettings(loaded, store);
  EXPECT_EQ(loaded.Width, 800);
  EXPECT_EQ(loaded.TimeScale, 2);
  EXPECT_EQ(loaded.Gamma, 73);
  EXPECT_TRUE(loaded.ShowFlame);
  EXPECT_TRUE(loaded.Hrs12);
  EXPECT_FALSE(loaded.MouseExit);
  EXPECT_EQ(loaded.ViewPortHeight, 0);
}

TEST(StoredSettings, UnreachableStoreChangesNothingAndSaveFails) {
  UnreachableStore store;
  Settings s = Shipped();
  LoadSettings(s, store);
  EXPECT_EQ(s.Width, 800);
  EXPECT_FALSE(SaveSettings(s, store));
  EXPECT_TRUE(store.values().empty());
}

TEST(StoredSettings, NamesAreFoundWithoutRegardToCase) {
  EXPECT_STREQ(FindStoredSettingName("gamma"), "Gamma");
  EXPECT_STREQ(FindStoredSettingName("SHOWFPS"), "ShowFPS");
  EXPECT_EQ(FindStoredSettingName("MultiTexture"), nullptr);
  EXPECT_EQ(FindStoredSettingName("MW"), nullptr);
}

TEST(DesktopMode, UseDesktopTakesTheDesktopMode) {
  DisplayMode desktop;
  desktop.width = 1920;
  desktop.height = 1080;
  desktop.bitsPerPixel = 24;
  Settings s = Shipped();
  ApplyDesktopMode(s, &desktop);
  EXPECT_EQ(s.Width, 1920);
  EXPECT_EQ(s.Height, 1080);
  EXPECT_EQ(s.Depth, 24);
  s = Shipped();
  s.UseDesktop = false;
  ApplyDesktopMode(s, &desktop);
  EXPECT_EQ(s.Width, 800);
  EXPECT_EQ(s.Depth, 32);
  s.UseDesktop = true;
  ApplyDesktopMode(s, nullptr);  // no display information
  EXPECT_EQ(s.Width, 800);
}

TEST(DesktopMode, UnusableSizeOrDepthFallsBackToTheDesktop) {
  DisplayMode desktop;
  desktop.width = 1280;
  desktop.height = 1024;
  desktop.bitsPerPixel = 32;
  const int32_t badSizes[][2] = {{0, 600}, {800, -1}, {100000, 600}, {800, 20000}, {16, 16}};
  for (const auto& size : badSizes) {
    Settings s = Shipped();
    s.UseDesktop = false;
    s.Width = size[0];
    s.Height = size[1];
    ApplyDesktopMode(s, &desktop);
    EXPECT_EQ(s.Width, 1280) << size[0] << "x" << size[1];
    EXPECT_EQ(s.Height, 1024);
    EXPECT_EQ(s.Depth, 32);
  }
  for (int32_t depth : {0, 8, 15, 31, -32}) {
    Settings s = Shipped();
    s.UseDesktop = false;
    s.Depth = depth;
    ApplyDesktopMode(s, &desktop);
    EXPECT_EQ(s.Depth, 32) << depth;
    EXPECT_EQ(s.Width, 800);
  }
}

TEST(Viewport, WideScreenLetterboxRows) {
  Settings s = Shipped();
  s.Height = 768;
  s.Width = 1024;
  ViewAspect aspect;
  ApplyViewport(s, aspect);
  EXPECT_EQ(s.ViewPortBottom, 96);
  EXPECT_EQ(s.ViewPortTop, 672);
  EXPECT_EQ(s.ViewPortHeight, 576);
  s.WideScreen = false;
  ApplyViewport(s, aspect);
  EXPECT_EQ(s.ViewPortBottom, 0);
  EXPECT_EQ(s.ViewPortTop, 768);
  EXPECT_EQ(s.ViewPortHeight, 768);
  s.WideScreen = true;
  s.Height = 1001;  // rows truncate toward zero
  ApplyViewport(s, aspect);
  EXPECT_EQ(s.ViewPortBottom, 125);
  EXPECT_EQ(s.ViewPortTop, 875);
  EXPECT_EQ(s.ViewPortHeight, 750);
}

TEST(Viewport, AspectFollowsTheViewport) {
  ViewAspect aspect;
  for (auto [width, height] : {std::pair{1024, 768}, {800, 600}, {640, 480}, {1600, 1200}}) {
    Settings s = Shipped();
    s.Width = width;
    s.Height = height;
    ApplyViewport(s, aspect);
    EXPECT_EQ(aspect.AspectRatio, 1.6f) << width;
    EXPECT_EQ(aspect.AspectScale, 0.9f);
    s.WideScreen = false;
    ApplyViewport(s, aspect);
    EXPECT_EQ(aspect.AspectRatio, 1.3333334f) << width;
    EXPECT_EQ(aspect.AspectScale, 1.0f);
  }
  Settings wide = Shipped();
  wide.Width = 1920;
  wide.Height = 1080;
  wide.WideScreen = false;
  ApplyViewport(wide, aspect);
  EXPECT_FLOAT_EQ(aspect.AspectRatio, 16.0f / 9);
  wide.WideScreen = true;
  ApplyViewport(wide, aspect);
  EXPECT_FLOAT_EQ(aspect.AspectRatio, 0.9f * 1920 / 810);
  wide.Height = 0;
  ApplyViewport(wide, aspect);
  EXPECT_EQ(aspect.AspectRatio, 1.3333334f);
}

}  // namespace
