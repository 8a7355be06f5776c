// The multi-monitor functions of "USER32", looked up by name at first use.
// They count as available only when all seven exist and the virtual screen
// is at least as large as the primary one; the answer is kept for the
// process. Without them the display enumeration reports nothing and
// MonitorFromRect follows the single-monitor rules.
#pragma once
#include <cstdint>

#include "platform/platform.h"
#include "platform/win32/win32_api.h"

struct MonitorApi {
  using EnumDisplayDevicesFn = BOOL(WINAPI*)(LPCSTR device, DWORD index, PDISPLAY_DEVICEA record, DWORD flags);
  using MonitorFromRectFn = HMONITOR(WINAPI*)(LPCRECT rect, DWORD flags);

  bool available = false;
  EnumDisplayDevicesFn enumDisplayDevices = nullptr;
  MonitorFromRectFn monitorFromRect = nullptr;
};

const MonitorApi& Monitors();

// EnumDisplayDevicesA with a 424-byte record and flags 0; false when the
// functions are unavailable or past the last device. device null: adapters.
bool EnumDisplayDevice(const char* device, int index, DISPLAY_DEVICEA& record);

// The monitor containing the rectangle (no default monitor), or 0.
uintptr_t MonitorContaining(const ScreenRect& rect);
