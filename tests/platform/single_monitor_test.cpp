#include "platform/win32/single_monitor.h"

#include <gtest/gtest.h>

namespace {

TEST(SingleMonitorFromRect, OnePrimaryScreenAnswersForEverything) {
  EXPECT_EQ(SingleMonitorFromRect({0, 0, 800, 600}, 0, 800, 600), SingleMonitorHandle);
  EXPECT_EQ(SingleMonitorFromRect({-100, -100, 0, 50}, 0, 800, 600), 0u);
  EXPECT_EQ(SingleMonitorFromRect({10, 10, 50, 0}, 0, 800, 600), 0u);
  EXPECT_EQ(SingleMonitorFromRect({800, 0, 1600, 600}, 0, 800, 600), 0u);
  EXPECT_EQ(SingleMonitorFromRect({0, 600, 800, 1200}, 0, 800, 600), 0u);
  EXPECT_EQ(SingleMonitorFromRect({0, 599, 800, 1200}, 0, 800, 600), SingleMonitorHandle);
  EXPECT_EQ(SingleMonitorFromRect({5000, 5000, 5001, 5001}, MonitorDefaultToNearest, 800, 600),
            SingleMonitorHandle);
  EXPECT_EQ(SingleMonitorFromRect({5000, 5000, 5001, 5001}, MonitorDefaultToPrimary, 800, 600),
            SingleMonitorHandle);
}

}  // namespace
