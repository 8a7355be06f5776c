// Win32Platform: the product's platform. Counter and local time, displays
// and monitors through the USER32 functions, the screen windows with their
// WGL context, the registry as settings store, the executable's own
// resources, and the audio library written out from them. One thread.
#pragma once
#include "platform/platform.h"
#include "platform/win32/audio_library_file.h"
#include "platform/win32/module_resources.h"
#include "platform/win32/registry_settings_store.h"
#include "platform/win32/screen_windows.h"

class Win32Platform : public Platform {
 public:
  // instance and showCommand as the process entry received them.
  Win32Platform(HINSTANCE instance, int showCommand) : windows_(instance, showCommand) {}

  int64_t QueryCounter() override;
  int64_t QueryCounterFrequency() override;
  LocalTime QueryLocalTime() override;

  bool EnumDisplayAdapter(int index, DisplayAdapter& adapter) override;
  bool EnumAdapterMonitor(const DisplayAdapter& adapter, char (&monitorString)[128]) override;
  bool CurrentDisplayMode(const DisplayAdapter* adapter, DisplayMode& mode) override;
  uintptr_t MonitorFromRect(const ScreenRect& rect) override;
  void SetDisplayMode(int width, int height, int bitsPerPixel) override;
  void RestoreDisplayMode() override;

  bool CreateFlightWindow(const ScreenRect& monitor, int width, int height, int samples) override;
  bool CreateCoverWindow(const ScreenRect& monitor) override;
  void ShowWindows() override { windows_.Show(); }
  void DestroyWindows() override;
  void SwapBuffers() override { windows_.Swap(); }
  int DisplayRefreshRate() override;
  bool FlightWindowVisible() override { return windows_.FlightVisible(); }
  void FlightWindowCentre(int& x, int& y) override { windows_.FlightCentre(x, y); }

  bool PumpMessage(InputEvent& event) override { return windows_.Pump(event); }
  void WaitForMessage(double seconds) override;
  void ShowCursor(bool show) override;
  void SetCursorPos(int x, int y) override;

  void* GetGLProcAddress(const char* name) override;
  bool SetSwapInterval(int interval) override;
  bool GetGammaRamp(uint16_t (&ramp)[768]) override;
  bool SetGammaRamp(const uint16_t (&ramp)[768]) override;

  void ShowMessage(const char* text, const char* caption, MessageIcon icon) override;
  void OpenUrl(const char* url) override;

  const ResourceSource& Resources() override { return resources_; }
  SettingsStore& Store() override { return store_; }
  bool LoadAudioLibrary(AudioLibrary& library) override { return audio_.Load(resources_, library); }
  void UnloadAudioLibrary() override { audio_.Unload(); }

 private:
  ScreenWindows windows_;
  ModuleResources resources_;
  RegistrySettingsStore store_;
  AudioLibraryFile audio_;
  bool timerPeriodSet_ = false;  // timeBeginPeriod(1) while the windows exist
};
