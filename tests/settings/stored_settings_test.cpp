#include "settings/stored_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "settings/memory_settings_store.h"

namespace {

// A memory store that notes the names asked for, in order.
struct RecordingStore : MemorySettingsStore {
  std::vector<std::string> names;
  bool reachable = true;
  bool Open(Access) override { return reachable; }
  void Query(const char* name, uint32_t& value) override {
    names.push_back(name);
    MemorySettingsStore::Query(name, value);
  }
  void Write(const char* name, uint32_t value) override {
    names.push_back(name);
    MemorySettingsStore::Write(name, value);
  }
};

Settings Shipped() {
  Settings s;
  s.Width = 800;
  s.Height = 600;
  s.Depth = 32;
  s.Volume = 75;
  s.Gamma = 50;
  s.EnableMusic = s.ShowClock = s.Hrs12 = s.DefGamma = s.WideScreen = s.UseDesktop = s.Galaxy = true;
  return s;
}

TEST(StoredSettings, LoadAndSaveUseTheirOwnOrders) {
  RecordingStore store;
  Settings s = Shipped();
  LoadSettings(s, store);
  EXPECT_EQ(store.names, (std::vector<std::string>{
                             "ShowClock", "Hrs12", "EnableMusic", "UseDesktop", "ShowFlame", "DefGamma",
                             "Width", "Height", "Depth", "Volume", "Gamma", "TimeScale", "Galaxy",
                             "ShowFPS", "VSync", "MouseExit", "WideScreen", "FrameLimit"}));
  store.names.clear();
  EXPECT_TRUE(SaveSettings(s, store));
  EXPECT_EQ(store.names, (std::vector<std::string>{
                             "ShowClock", "Hrs12", "EnableMusic", "UseDesktop", "ShowFlame", "DefGamma",
                             "Width", "Height", "Depth", "Volume", "TimeScale", "Gamma", "Galaxy",
                             "VSync", "MouseExit", "WideScreen", "ShowFPS", "FrameLimit"}));
  EXPECT_STREQ(FindStoredSettingName("showfps"), "ShowFPS");
  EXPECT_EQ(FindStoredSettingName("MultiTexture"), nullptr);
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
  EXPECT_EQ(s.Depth, 32);
  EXPECT_FALSE(s.Galaxy);
  EXPECT_TRUE(s.ShowFPS);
  EXPECT_TRUE(s.ShowClock);
}

TEST(StoredSettings, OutOfRangeValuesAreClamped) {
  // stored TimeScale, Gamma, Volume -> loaded TimeScale, Gamma, Volume
  const std::pair<std::vector<uint32_t>, std::vector<int32_t>> cases[] = {
      {{7, 150, uint32_t(-20)}, {0, 100, 0}},
      {{3, uint32_t(-1), 100000}, {3, 0, 100}},
      {{0xFFFFFFFFu, 100, 0}, {0, 100, 0}},
  };
  for (const auto& [stored, loaded] : cases) {
    MemorySettingsStore store;
    store.Write("TimeScale", stored[0]);
    store.Write("Gamma", stored[1]);
    store.Write("Volume", stored[2]);
    Settings s = Shipped();
    s.TimeScale = 1;
    LoadSettings(s, store);
    EXPECT_EQ(s.TimeScale, loaded[0]) << stored[0];
    EXPECT_EQ(s.Gamma, loaded[1]) << stored[1];
    EXPECT_EQ(s.Volume, loaded[2]) << stored[2];
  }
}

TEST(StoredSettings, SaveWritesBooleansAsZeroOrOneAndRoundTrips) {
  Settings s = Shipped();
  s.TimeScale = 2;
  s.Gamma = 73;
  s.ShowFlame = true;
  s.FrameLimit = 30;
  s.ViewPortHeight = 999;  // derived, never stored
  MemorySettingsStore store;
  ASSERT_TRUE(SaveSettings(s, store));
  EXPECT_EQ(store.values().size(), StoredSettingCount);
  EXPECT_EQ(store.values().at("ShowClock"), 1u);
  EXPECT_EQ(store.values().at("MouseExit"), 0u);
  Settings loaded;
  LoadSettings(loaded, store);
  EXPECT_EQ(loaded.Width, 800);
  EXPECT_EQ(loaded.TimeScale, 2);
  EXPECT_EQ(loaded.Gamma, 73);
  EXPECT_EQ(loaded.FrameLimit, 30);
  EXPECT_TRUE(loaded.ShowFlame && loaded.Hrs12);
  EXPECT_FALSE(loaded.MouseExit);
  EXPECT_EQ(loaded.ViewPortHeight, 0);
}

TEST(StoredSettings, UnreachableStoreChangesNothingAndSaveFails) {
  RecordingStore store;
  store.reachable = false;
  store.MemorySettingsStore::Write("Width", 1024);
  Settings s = Shipped();
  LoadSettings(s, store);
  EXPECT_EQ(s.Width, 800);
  EXPECT_FALSE(SaveSettings(s, store));
  EXPECT_TRUE(store.names.empty());
}

}  // namespace
