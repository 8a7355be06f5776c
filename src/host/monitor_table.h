// The monitor table of a full-screen run: one record per display adapter,
// in the platform's order. Records with a monitor handle get a window: the
// first the flight, the others a black cover.
#pragma once
#include <cstdint>

#include "platform/platform.h"

inline constexpr int MaxMonitors = 9;

struct MonitorRecord {
  char adapterDescription[128];
  char monitorDescription[128];  // the name the start-up log prints
  uintptr_t monitor;             // 0: not part of the desktop, no window
  ScreenRect rect;               // desktop rectangle, virtual-screen coordinates
  int32_t reserved;              // -1 once filled
  bool hasWindow;
};

struct MonitorTable {
  MonitorRecord records[MaxMonitors] = {};
  int count = 0;
};

void EnumerateMonitors(Platform& platform, MonitorTable& table);

// MonitorFromRect where the system offers no multi-monitor functions: one
// primary screen of the given size, pseudo handle 0x42.
inline constexpr uintptr_t SingleMonitorHandle = 0x42;
inline constexpr uint32_t MonitorDefaultToPrimary = 1;
inline constexpr uint32_t MonitorDefaultToNearest = 2;
uintptr_t SingleMonitorFromRect(const ScreenRect& rect, uint32_t flags, int primaryWidth,
                                int primaryHeight);
