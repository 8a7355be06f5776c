#include "host/monitor_table.h"

#include <cstdio>

namespace {

void CopyText(char (&field)[128], const char* text) {
  std::snprintf(field, sizeof field, "%s", text);
}

}  // namespace

void EnumerateMonitors(Platform& platform, MonitorTable& table) {
  table.count = 0;
  DisplayAdapter adapter;
  for (int index = 0; table.count < MaxMonitors && platform.EnumDisplayAdapter(index, adapter); ++index) {
    if (adapter.stateFlags & AdapterMirroring) continue;
    char monitorString[128] = {};
    platform.EnumAdapterMonitor(adapter, monitorString);
    MonitorRecord& record = table.records[table.count];
    record = {};
    CopyText(record.adapterDescription, adapter.deviceString);
    CopyText(record.monitorDescription, monitorString);
    record.reserved = -1;
    DisplayMode mode;
    if ((adapter.stateFlags & AdapterAttachedToDesktop) && platform.CurrentDisplayMode(&adapter, mode)) {
      bool primary = adapter.stateFlags & AdapterPrimary;
      record.rect.left = primary ? 0 : mode.left;
      record.rect.top = primary ? 0 : mode.top;
      record.rect.right = record.rect.left + mode.width;
      record.rect.bottom = record.rect.top + mode.height;
      record.monitor = platform.MonitorFromRect(record.rect);
    }
    ++table.count;
  }
}
