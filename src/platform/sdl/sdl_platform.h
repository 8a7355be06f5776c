// SdlPlatform: the Linux desktop host on SDL2. Full-screen windows on every
// display (the flight on the first, black covers on the others), or one
// ordinary window of a given size. The settings store and the audio library
// are handed in by the program that builds it.
#pragma once
#include <vector>

#include "platform/sdl/desktop_services.h"

struct SDL_Window;
union SDL_Event;

class SdlPlatform : public DesktopServices {
 public:
  // windowWidth/Height > 0 asks for one ordinary window instead of full screen.
  SdlPlatform(SettingsStore& store, AudioLoader audio, int windowWidth = 0, int windowHeight = 0);
  ~SdlPlatform() override;

  bool EnumDisplayAdapter(int index, DisplayAdapter& adapter) override;
  bool EnumAdapterMonitor(const DisplayAdapter& adapter, char (&monitorString)[128]) override;
  bool CurrentDisplayMode(const DisplayAdapter* adapter, DisplayMode& mode) override;
  uintptr_t MonitorFromRect(const ScreenRect& rect) override;
  void SetDisplayMode(int width, int height, int bitsPerPixel) override;
  void RestoreDisplayMode() override;

  bool CreateFlightWindow(const ScreenRect& monitor, int width, int height, int samples) override;
  bool CreateCoverWindow(const ScreenRect& monitor) override;
  void ShowWindows() override;
  void DestroyWindows() override;
  void SwapBuffers() override;
  int DisplayRefreshRate() override;
  bool FlightWindowVisible() override { return flightVisible_; }
  void FlightWindowCentre(int& x, int& y) override;

  bool PumpMessage(InputEvent& event) override;
  void WaitForMessage(double seconds) override;
  void ShowCursor(bool show) override;
  void SetCursorPos(int x, int y) override;

  void* GetGLProcAddress(const char* name) override;
  bool SetSwapInterval(int interval) override;
  bool GetGammaRamp(uint16_t (&ramp)[768]) override;
  bool SetGammaRamp(const uint16_t (&ramp)[768]) override;

 private:
  bool Windowed() const { return windowWidth_ > 0; }
  int DisplayOf(const ScreenRect& rect) const;
  void NoteFlightWindowEvent(const SDL_Event& e);

  int windowWidth_, windowHeight_;
  bool videoReady_ = false;
  int modeWidth_ = 0, modeHeight_ = 0;  // the mode asked for by SetDisplayMode
  SDL_Window* flight_ = nullptr;
  void* glContext_ = nullptr;
  std::vector<SDL_Window*> covers_;
  bool flightVisible_ = true;  // from the flight window's shown, hidden and minimised events
};
