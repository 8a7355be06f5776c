// ScreenWindows: the windows of a full-screen run. The flight window (class
// "MyWindow") carries the one OpenGL context, made in its WM_CREATE on the
// device context it keeps; cover windows (class "FakeMonitor") stay black.
// Both classes are registered with the first window and unregistered by
// Destroy. The flight window's input messages come back out of Pump as
// InputEvents; everything runs on the thread that made the windows.
#pragma once
#include <vector>

#include "platform/platform.h"
#include "platform/win32/win32_api.h"

class ScreenWindows {
 public:
  ScreenWindows(HINSTANCE instance, int showCommand) : instance_(instance), showCommand_(showCommand) {}
  ~ScreenWindows() { Destroy(); }
  ScreenWindows(const ScreenWindows&) = delete;
  ScreenWindows& operator=(const ScreenWindows&) = delete;

  // At the virtual-screen origin. False, and no window left, when the window
  // or its GL context cannot be made.
  bool CreateFlight(int width, int height, int samples);
  bool CreateCover(const ScreenRect& rect);
  void Show();  // with the process's show command; focus to the flight window
  // Releases the GL context and the kept device context, destroys every
  // window and unregisters the classes.
  void Destroy();

  // False when no message was waiting; one message handled otherwise.
  bool Pump(InputEvent& event);
  void Swap();
  void FlightCentre(int& x, int& y) const;
  HDC flightDc() const { return dc_; }
  // False while the flight window is hidden or minimised, or the console
  // display is off (a power-setting notification registered with the window).
  bool FlightVisible() const;

 private:
  static LRESULT CALLBACK FlightProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  bool RegisterClasses();
  void OnCreate(HWND window);
  void OnPowerSetting(const POWERBROADCAST_SETTING& setting);
  void ReleaseContext();

  HINSTANCE instance_;
  int showCommand_;
  bool classesRegistered_ = false;
  HWND flight_ = nullptr;
  HDC dc_ = nullptr;
  HGLRC gl_ = nullptr;
  int multisampleFormat_ = 0;  // for the flight window being created; 0: none
  std::vector<HWND> windows_;  // in creation order, the flight window first
  InputEvent pending_;         // what the last dispatched message meant
  HPOWERNOTIFY displayNotify_ = nullptr;
  bool displayOn_ = true;
};
