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
