// Platform: everything the portable screensaver asks of the machine it runs
// on. Backends (chosen by the build): win32, the product; sdl, the Linux
// desktop; headless, EGL with a virtual clock and injected input, for tests
// and qvtool. Only platform/ includes windows.h, SDL.h or EGL headers.
//
// Coordinates are screen pixels with y down, as the windowing systems give
// them. Times are counter ticks; QueryCounterFrequency ticks make a second.
#pragma once
#include <cstdint>

#include "base/platform_types.h"

class ResourceSource;
class SettingsStore;
struct AudioLibrary;

class Platform {
 public:
  virtual ~Platform() = default;

  // Time.
  virtual int64_t QueryCounter() = 0;
  virtual int64_t QueryCounterFrequency() = 0;
  virtual LocalTime QueryLocalTime() = 0;

  // Displays. EnumDisplayAdapter and EnumAdapterMonitor fail past the last
  // device; CurrentDisplayMode with null asks for the primary display.
  virtual bool EnumDisplayAdapter(int index, DisplayAdapter& adapter) = 0;
  virtual bool EnumAdapterMonitor(const DisplayAdapter& adapter, char (&monitorString)[128]) = 0;
  virtual bool CurrentDisplayMode(const DisplayAdapter* adapter, DisplayMode& mode) = 0;
  // The monitor containing the rectangle, 0 when none.
  virtual uintptr_t MonitorFromRect(const ScreenRect& rect) = 0;
  // Temporary full-screen mode switch; RestoreDisplayMode undoes it.
  virtual void SetDisplayMode(int width, int height, int bitsPerPixel) = 0;
  virtual void RestoreDisplayMode() = 0;

  // Windows. The flight window is created first and carries the GL context,
  // current from its creation on; cover windows stay black. samples asks
  // for a multisampled pixel format (0: none); when the driver offers none,
  // the window gets the plain format.
  virtual bool CreateFlightWindow(const ScreenRect& monitor, int width, int height, int samples) = 0;
  virtual bool CreateCoverWindow(const ScreenRect& monitor) = 0;
  virtual void ShowWindows() = 0;  // shows every window; focus to the first
  virtual void DestroyWindows() = 0;  // also releases the GL context
  virtual void SwapBuffers() = 0;
  // The refresh rate of the display the flight window is on, in Hz; 0 when unknown.
  virtual int DisplayRefreshRate() = 0;
  // False while the flight window cannot be seen: hidden, minimised, or its
  // display switched off.
  virtual bool FlightWindowVisible() = 0;
  // The centre of the flight window's client area, in screen coordinates.
  virtual void FlightWindowCentre(int& x, int& y) = 0;

  // Input: handles at most one pending message. False when the queue was
  // empty; true when one was taken, whatever it was.
  virtual bool PumpMessage(InputEvent& event) = 0;
  // Sleeps until a message is pending or seconds have passed, whichever
  // comes first; returns at once when one is already waiting.
  virtual void WaitForMessage(double seconds) = 0;
  virtual void ShowCursor(bool show) = 0;
  virtual void SetCursorPos(int x, int y) = 0;

  // GL context services.
  virtual void* GetGLProcAddress(const char* name) = 0;
  // False when the swap-interval extension is missing.
  virtual bool SetSwapInterval(int interval) = 0;
  // 3 x 256 entries, red block first. False when the display refuses.
  virtual bool GetGammaRamp(uint16_t (&ramp)[768]) = 0;
  virtual bool SetGammaRamp(const uint16_t (&ramp)[768]) = 0;

  // User-facing services.
  virtual void ShowMessage(const char* text, const char* caption, MessageIcon icon) = 0;
  virtual void OpenUrl(const char* url) = 0;

  // Stores and libraries.
  virtual const ResourceSource& Resources() = 0;
  virtual SettingsStore& Store() = 0;
  // Loads the audio library and fills its entry points; false when it
  // cannot be loaded. UnloadAudioLibrary releases it and its files.
  virtual bool LoadAudioLibrary(AudioLibrary& library) = 0;
  virtual void UnloadAudioLibrary() = 0;
};
