#include "platform/win32/monitor_api.h"

#include "platform/win32/single_monitor.h"

namespace {

MonitorApi LookUpMonitorApi() {
  MonitorApi api;
  HMODULE user32 = GetModuleHandleA("USER32");
  if (!user32) return api;
  using GetSystemMetricsFn = int(WINAPI*)(int index);
  auto metrics = ProcAs<GetSystemMetricsFn>(GetProcAddress(user32, "GetSystemMetrics"));
  api.monitorFromRect = ProcAs<MonitorApi::MonitorFromRectFn>(GetProcAddress(user32, "MonitorFromRect"));
  api.enumDisplayDevices = ProcAs<MonitorApi::EnumDisplayDevicesFn>(GetProcAddress(user32, "EnumDisplayDevicesA"));
  bool allFound = metrics && api.monitorFromRect && api.enumDisplayDevices &&
                  GetProcAddress(user32, "MonitorFromWindow") && GetProcAddress(user32, "MonitorFromPoint") &&
                  GetProcAddress(user32, "EnumDisplayMonitors") && GetProcAddress(user32, "GetMonitorInfoA");
  api.available = allFound && metrics(SM_CXVIRTUALSCREEN) >= metrics(SM_CXSCREEN) &&
                  metrics(SM_CYVIRTUALSCREEN) >= metrics(SM_CYSCREEN);
  return api;
}

}  // namespace

const MonitorApi& Monitors() {
  static const MonitorApi api = LookUpMonitorApi();
  return api;
}

bool EnumDisplayDevice(const char* device, int index, DISPLAY_DEVICEA& record) {
  static_assert(sizeof(DISPLAY_DEVICEA) == 424);
  const MonitorApi& api = Monitors();
  if (!api.available || index < 0) return false;
  record = {};
  record.cb = sizeof record;
  return api.enumDisplayDevices(device, DWORD(index), &record, 0) != FALSE;
}

uintptr_t MonitorContaining(const ScreenRect& rect) {
  const MonitorApi& api = Monitors();
  if (!api.available)
    return SingleMonitorFromRect(rect, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  RECT r{LONG(rect.left), LONG(rect.top), LONG(rect.right), LONG(rect.bottom)};
  return reinterpret_cast<uintptr_t>(api.monitorFromRect(&r, MONITOR_DEFAULTTONULL));
}
