// X11HackPlatform: the flight as an X11 screensaver hack, drawn with GLX
// into a window another program owns (the daemon's, or the root window).
// The daemon owns the screen: this backend never selects input, never grabs
// the keyboard or pointer, never touches the cursor, the display mode or the
// gamma ramp. It learns only the window's size and its destruction; the
// first ends in the resize handler, the second ends the run. Its
// visibility (unmapped, or wholly covered) pauses the flight; the refresh
// rate is not told, so the frame loop keeps to its default.
#pragma once
#include <cstdint>
#include <functional>

#include "platform/sdl/desktop_services.h"

struct _XDisplay;
struct __GLXcontextRec;

class X11HackPlatform : public DesktopServices {
 public:
  using ResizeHandler = std::function<void(int width, int height)>;
  // window 0 draws into the root window of the default screen.
  X11HackPlatform(SettingsStore& store, AudioLoader audio, uint32_t window);
  ~X11HackPlatform() override;

  // False when there is no display or no such window; the reason is on
  // standard error.
  bool Attached() const { return window_ != 0; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // Called from PumpMessage, with the GL context current, when the window
  // has changed its size.
  void SetResizeHandler(ResizeHandler handler) { resized_ = std::move(handler); }

  bool EnumDisplayAdapter(int index, DisplayAdapter& adapter) override;
  bool EnumAdapterMonitor(const DisplayAdapter& adapter, char (&monitorString)[128]) override;
  bool CurrentDisplayMode(const DisplayAdapter* adapter, DisplayMode& mode) override;
  uintptr_t MonitorFromRect(const ScreenRect& rect) override;
  void SetDisplayMode(int, int, int) override {}
  void RestoreDisplayMode() override {}

  bool CreateFlightWindow(const ScreenRect& monitor, int width, int height, int samples) override;
  bool CreateCoverWindow(const ScreenRect&) override { return false; }  // one window only
  void ShowWindows() override {}  // the owner maps its window
  void DestroyWindows() override;
  void SwapBuffers() override;
  int DisplayRefreshRate() override { return 0; }
  bool FlightWindowVisible() override { return mapped_ && !obscured_; }
  void FlightWindowCentre(int& x, int& y) override;

  bool PumpMessage(InputEvent& event) override;
  void WaitForMessage(double seconds) override;
  void ShowCursor(bool) override {}
  void SetCursorPos(int, int) override {}

  void* GetGLProcAddress(const char* name) override;
  bool SetSwapInterval(int interval) override;
  bool GetGammaRamp(uint16_t (&)[768]) override { return false; }
  bool SetGammaRamp(const uint16_t (&)[768]) override { return false; }

 private:
  _XDisplay* display_ = nullptr;
  unsigned long window_ = 0;
  __GLXcontextRec* context_ = nullptr;
  int width_ = 0, height_ = 0;
  bool mapped_ = true, obscured_ = false;  // from the window's map and visibility events
  ResizeHandler resized_;
};
