#include "platform/win32/win32_platform.h"

#include <mmsystem.h>
#include <shellapi.h>

#include <cmath>
#include <cstdio>

#include "platform/win32/display_modes.h"
#include "platform/win32/monitor_api.h"
#include "platform/win32/screen_rescue.h"
#include "platform/win32/wgl.h"

int64_t Win32Platform::QueryCounter() {
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return counter.QuadPart;
}

int64_t Win32Platform::QueryCounterFrequency() {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return frequency.QuadPart;
}

LocalTime Win32Platform::QueryLocalTime() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return {now.wHour, now.wMinute, now.wSecond};
}

bool Win32Platform::EnumDisplayAdapter(int index, DisplayAdapter& adapter) {
  DISPLAY_DEVICEA record;
  if (!EnumDisplayDevice(nullptr, index, record)) return false;
  adapter = {};
  std::snprintf(adapter.deviceName, sizeof adapter.deviceName, "%s", record.DeviceName);
  std::snprintf(adapter.deviceString, sizeof adapter.deviceString, "%s", record.DeviceString);
  adapter.stateFlags = record.StateFlags;
  return true;
}

bool Win32Platform::EnumAdapterMonitor(const DisplayAdapter& adapter, char (&monitorString)[128]) {
  DISPLAY_DEVICEA record;
  if (!EnumDisplayDevice(adapter.deviceName, 0, record)) return false;
  std::snprintf(monitorString, sizeof monitorString, "%s", record.DeviceString);
  return true;
}

bool Win32Platform::CurrentDisplayMode(const DisplayAdapter* adapter, DisplayMode& mode) {
  return ReadDisplayMode(adapter ? adapter->deviceName : nullptr, ENUM_CURRENT_SETTINGS, mode);
}

uintptr_t Win32Platform::MonitorFromRect(const ScreenRect& rect) { return MonitorContaining(rect); }

void Win32Platform::SetDisplayMode(int width, int height, int bitsPerPixel) {
  screen_rescue::DisplayModeSwitched(true);
  SwitchDisplayMode(width, height, bitsPerPixel);
}

void Win32Platform::RestoreDisplayMode() {
  RestoreRegistryDisplayMode();
  screen_rescue::DisplayModeSwitched(false);
}

// The flight window sits at the virtual-screen origin, where the mode
// switch of the primary display takes effect.
// For the run, waits end within a millisecond of their time-out instead of
// the default 15.6 ms tick, so a paced frame loop keeps the display's rate.
bool Win32Platform::CreateFlightWindow(const ScreenRect&, int width, int height, int samples) {
  if (!windows_.CreateFlight(width, height, samples)) return false;
  timerPeriodSet_ = timeBeginPeriod(1) == TIMERR_NOERROR;
  return true;
}

void Win32Platform::DestroyWindows() {
  windows_.Destroy();
  if (timerPeriodSet_) timeEndPeriod(1);
  timerPeriodSet_ = false;
}

// The flight window is on the primary display (see CreateFlightWindow);
// 0 and 1 stand for the hardware's default rate, which is not told.
int Win32Platform::DisplayRefreshRate() {
  DEVMODEA mode{};
  mode.dmSize = sizeof mode;
  if (!EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode) || mode.dmDisplayFrequency <= 1) return 0;
  return int(mode.dmDisplayFrequency);
}

// Whole milliseconds, rounded up: a frame a little late rather than a busy wait.
void Win32Platform::WaitForMessage(double seconds) {
  if (seconds <= 0) return;
  MsgWaitForMultipleObjects(0, nullptr, FALSE, DWORD(std::ceil(seconds * 1000)), QS_ALLINPUT);
}

bool Win32Platform::CreateCoverWindow(const ScreenRect& monitor) { return windows_.CreateCover(monitor); }

void Win32Platform::ShowCursor(bool show) { ::ShowCursor(show ? TRUE : FALSE); }

void Win32Platform::SetCursorPos(int x, int y) { ::SetCursorPos(x, y); }

void* Win32Platform::GetGLProcAddress(const char* name) { return WglProcAddress(name); }

bool Win32Platform::SetSwapInterval(int interval) { return SetWglSwapInterval(interval); }

bool Win32Platform::GetGammaRamp(uint16_t (&ramp)[768]) {
  HDC dc = windows_.flightDc();
  return dc && GetDeviceGammaRamp(dc, ramp);
}

bool Win32Platform::SetGammaRamp(const uint16_t (&ramp)[768]) {
  HDC dc = windows_.flightDc();
  if (!dc) return false;
  uint16_t before[768];
  if (GetDeviceGammaRamp(dc, before)) screen_rescue::KeepOriginalGammaRamp(before);
  return SetDeviceGammaRamp(dc, const_cast<uint16_t*>(ramp));
}

// Topmost, so that a box shown during the full-screen run is not hidden
// behind the topmost flight window.
void Win32Platform::ShowMessage(const char* text, const char* caption, MessageIcon icon) {
  MessageBoxA(nullptr, text, caption, MB_OK | MB_TOPMOST | (icon == MessageIcon::Error ? MB_ICONERROR : 0));
}

void Win32Platform::OpenUrl(const char* url) {
  ShellExecuteA(nullptr, "open", url, nullptr, nullptr, SW_SHOWNORMAL);
}
