// HeadlessPlatform: the platform for tests and qvtool. The flight window is
// an off-screen EGL context on Mesa's software renderer; time is a virtual
// clock the caller advances (optionally by a fixed step per SwapBuffers);
// input is a queue the caller fills; displays, gamma ramp, swap interval,
// cursor, message boxes and opened addresses are kept in memory where the
// caller can read them. A per-frame hook runs after every SwapBuffers.
// Waiting for a message moves the clock on by the time waited, as a sleep
// would; the refresh rate and the window's visibility are the caller's.
// The resource source and the settings store are the caller's and must
// outlive the platform.
#pragma once
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/headless/egl_context.h"
#include "platform/headless/headless_displays.h"
#include "platform/headless/virtual_clock.h"
#include "platform/platform.h"

struct ShownMessage {
  std::string text, caption;
  MessageIcon icon;
};

class HeadlessPlatform : public Platform {
 public:
  using AudioLoader = std::function<bool(AudioLibrary&)>;
  // Called after every SwapBuffers with the number of swaps so far (1 first).
  using FrameHook = std::function<void(HeadlessPlatform&, int64_t frame)>;

  // A null audio loader makes LoadAudioLibrary fail.
  HeadlessPlatform(const ResourceSource& resources, SettingsStore& store, AudioLoader audio = nullptr);
  ~HeadlessPlatform() override;

  // What the caller drives.
  void Advance(double seconds) { clock_.Advance(seconds); }
  void SetSecondsPerFrame(double seconds) { secondsPerFrame_ = seconds; }  // 0: the clock stays
  void SetFrameHook(FrameHook hook) { frameHook_ = std::move(hook); }
  // While set, the clock also moves with the real time that passes between
  // readings, as a display's counter would (for benchmarks of real-time rules).
  void FollowRealTime(bool follow);
  void SetRefreshRate(int hertz) { refreshRate_ = hertz; }
  void SetFlightWindowVisible(bool visible) { visible_ = visible; }
  void SetLocalTime(LocalTime time) { localTime_ = time; }
  void PushInput(const InputEvent& event) { input_.push_back(event); }
  HeadlessDisplays& displays() { return displays_; }
  void SetInitialGammaRamp(const uint16_t (&ramp)[768]);

  // What the caller reads.
  int64_t frames() const { return frames_; }
  int waits() const { return waits_; }  // WaitForMessage calls that slept
  // RGBA rows of the flight window, bottom row first (GL's order).
  std::vector<uint8_t> ReadPixels(int x, int y, int width, int height) const;
  const uint16_t (&gammaRamp() const)[768] { return gamma_; }
  int gammaRampSets() const { return gammaSets_; }
  int swapInterval() const { return swapInterval_; }  // -1 until set
  const std::vector<ShownMessage>& messages() const { return messages_; }
  bool cursorVisible() const { return cursorVisible_; }
  int cursorX() const { return cursorX_; }
  int cursorY() const { return cursorY_; }
  bool modeSwitched() const { return modeSwitched_; }
  // The last mode asked for; the primary display reports it until restored.
  const DisplayMode& switchedMode() const { return switchedMode_; }
  bool windowsShown() const { return shown_; }
  const ScreenRect& flightWindow() const { return flight_; }
  const std::vector<ScreenRect>& coverWindows() const { return covers_; }
  bool audioLoaded() const { return audioLoaded_; }

  int64_t QueryCounter() override;
  int64_t QueryCounterFrequency() override { return VirtualClock::Frequency; }
  LocalTime QueryLocalTime() override { return localTime_; }

  bool EnumDisplayAdapter(int index, DisplayAdapter& adapter) override;
  bool EnumAdapterMonitor(const DisplayAdapter& adapter, char (&monitorString)[128]) override;
  bool CurrentDisplayMode(const DisplayAdapter* adapter, DisplayMode& mode) override;
  uintptr_t MonitorFromRect(const ScreenRect& rect) override;
  void SetDisplayMode(int width, int height, int bitsPerPixel) override;
  void RestoreDisplayMode() override { modeSwitched_ = false; }

  bool CreateFlightWindow(const ScreenRect& monitor, int width, int height, int samples) override;
  bool CreateCoverWindow(const ScreenRect& monitor) override;
  void ShowWindows() override { shown_ = true; }
  void DestroyWindows() override;
  void SwapBuffers() override;
  int DisplayRefreshRate() override { return refreshRate_; }
  bool FlightWindowVisible() override { return visible_; }
  void FlightWindowCentre(int& x, int& y) override;

  bool PumpMessage(InputEvent& event) override;
  void WaitForMessage(double seconds) override;
  void ShowCursor(bool show) override { cursorVisible_ = show; }
  void SetCursorPos(int x, int y) override;

  void* GetGLProcAddress(const char* name) override;
  bool SetSwapInterval(int interval) override;
  bool GetGammaRamp(uint16_t (&ramp)[768]) override;
  bool SetGammaRamp(const uint16_t (&ramp)[768]) override;

  void ShowMessage(const char* text, const char* caption, MessageIcon icon) override;
  void OpenUrl(const char*) override {}

  const ResourceSource& Resources() override { return resources_; }
  SettingsStore& Store() override { return store_; }
  bool LoadAudioLibrary(AudioLibrary& library) override;
  void UnloadAudioLibrary() override { audioLoaded_ = false; }

 private:
  const ResourceSource& resources_;
  SettingsStore& store_;
  AudioLoader audio_;
  bool audioLoaded_ = false;

  VirtualClock clock_;
  std::optional<std::chrono::steady_clock::time_point> realTimeRead_;  // FollowRealTime
  double secondsPerFrame_ = 0;
  int refreshRate_ = 60;
  bool visible_ = true;
  int waits_ = 0;
  int64_t frames_ = 0;
  FrameHook frameHook_;
  LocalTime localTime_;
  std::deque<InputEvent> input_;

  HeadlessDisplays displays_;
  bool modeSwitched_ = false;
  DisplayMode switchedMode_;

  EglContext gl_;
  ScreenRect flight_;
  std::vector<ScreenRect> covers_;
  bool shown_ = false;

  uint16_t gamma_[768];
  int gammaSets_ = 0;
  int swapInterval_ = -1;
  bool cursorVisible_ = true;
  int cursorX_ = 0, cursorY_ = 0;
  std::vector<ShownMessage> messages_;
};
