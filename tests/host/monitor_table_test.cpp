#include "host/monitor_table.h"

#include <gtest/gtest.h>

#include "platform/headless/headless_platform.h"
#include "settings/memory_settings_store.h"
#include "support/fake_resources.h"

namespace {

class MonitorTableTest : public ::testing::Test {
 protected:
  FakeResources resources;
  MemorySettingsStore store;
  HeadlessPlatform platform{resources, store};
  MonitorTable table;
};

TEST_F(MonitorTableTest, EveryAttachedMonitorGetsItsDesktopRectangle) {
  platform.displays().Set({
      MakeHeadlessDisplay("Left", 1024, 768, 0, 0, AdapterAttachedToDesktop | AdapterPrimary),
      MakeHeadlessDisplay("Right", 1280, 1024, 1024, 0, AdapterAttachedToDesktop),
  });
  EnumerateMonitors(platform, table);
  ASSERT_EQ(table.count, 2);
  EXPECT_NE(table.records[0].monitor, 0u);
  EXPECT_EQ(table.records[0].rect.right, 1024);
  EXPECT_EQ(table.records[0].rect.bottom, 768);
  const MonitorRecord& right = table.records[1];
  EXPECT_NE(right.monitor, 0u);
  EXPECT_NE(right.monitor, table.records[0].monitor);
  EXPECT_EQ(right.rect.left, 1024);
  EXPECT_EQ(right.rect.right, 2304);
  EXPECT_EQ(right.rect.bottom, 1024);
  EXPECT_EQ(right.reserved, -1);
}

TEST_F(MonitorTableTest, MirrorsAreSkippedAndDetachedAdaptersGetNoWindow) {
  platform.displays().Set({
      MakeHeadlessDisplay("Main", 800, 600, 0, 0, AdapterAttachedToDesktop | AdapterPrimary),
      MakeHeadlessDisplay("Mirror", 800, 600, 0, 0, AdapterAttachedToDesktop | AdapterMirroring),
      MakeHeadlessDisplay("Off", 800, 600, 800, 0, 0),
  });
  EnumerateMonitors(platform, table);
  ASSERT_EQ(table.count, 2);
  EXPECT_NE(table.records[0].monitor, 0u);
  EXPECT_EQ(table.records[1].monitor, 0u);
}

TEST_F(MonitorTableTest, OnlyTheFirstNineAdaptersAreConsidered) {
  std::vector<HeadlessDisplay> displays;
  const char* names[] = {"D0", "D1", "D2", "D3", "D4", "D5", "D6", "D7", "D8", "D9"};
  for (int i = 0; i < 10; ++i)
    displays.push_back(MakeHeadlessDisplay(names[i], 640, 480, 640 * i, 0,
                                           AdapterAttachedToDesktop | (i == 0 ? uint32_t(AdapterPrimary) : 0u)));
  platform.displays().Set(displays);
  EnumerateMonitors(platform, table);
  EXPECT_EQ(table.count, MaxMonitors);
  EXPECT_EQ(table.records[8].rect.left, 640 * 8);
}

}  // namespace
