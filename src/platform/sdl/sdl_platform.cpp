#include "platform/sdl/sdl_platform.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>

#include "platform/sdl/sdl_input.h"
#include "platform/sdl/termination_signals.h"

SdlPlatform::SdlPlatform(SettingsStore& store, AudioLoader audio, int windowWidth, int windowHeight)
    : DesktopServices(store, std::move(audio)), windowWidth_(windowWidth), windowHeight_(windowHeight) {
  // SIGTERM, SIGINT and SIGHUP end the run through its shut-down, which
  // puts the gamma ramp and the display mode back.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  CatchTerminationSignals(OnTermination::Flag);
  videoReady_ = SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) == 0;
  if (!videoReady_) std::fprintf(stderr, "quorvan3d: no display: %s\n", SDL_GetError());
}

SdlPlatform::~SdlPlatform() {
  DestroyWindows();
  SDL_Quit();
}

// Each SDL display counts as one adapter with one monitor; display 0 is primary.
bool SdlPlatform::EnumDisplayAdapter(int index, DisplayAdapter& adapter) {
  int displays = Windowed() ? 1 : (videoReady_ ? SDL_GetNumVideoDisplays() : 0);
  if (index < 0 || index >= displays) return false;
  adapter = {};
  std::snprintf(adapter.deviceName, sizeof adapter.deviceName, "%d", index);
  const char* name = Windowed() ? "window" : SDL_GetDisplayName(index);
  std::snprintf(adapter.deviceString, sizeof adapter.deviceString, "%s", name ? name : "display");
  adapter.stateFlags = AdapterAttachedToDesktop | (index == 0 ? uint32_t(AdapterPrimary) : 0u);
  return true;
}

bool SdlPlatform::EnumAdapterMonitor(const DisplayAdapter& adapter, char (&monitorString)[128]) {
  std::snprintf(monitorString, sizeof monitorString, "%s", adapter.deviceString);
  return true;
}

bool SdlPlatform::CurrentDisplayMode(const DisplayAdapter* adapter, DisplayMode& mode) {
  if (Windowed()) {
    mode = {windowWidth_, windowHeight_, 32, 0, 0};
    return true;
  }
  int index = adapter ? std::atoi(adapter->deviceName) : 0;
  SDL_DisplayMode current;
  SDL_Rect bounds;
  if (!videoReady_ || SDL_GetDesktopDisplayMode(index, &current) != 0 ||
      SDL_GetDisplayBounds(index, &bounds) != 0)
    return false;
  int bits = int(SDL_BITSPERPIXEL(current.format));
  mode = {current.w, current.h, bits == 24 ? 32 : bits, bounds.x, bounds.y};  // X8R8G8B8 counts as 32
  return true;
}

int SdlPlatform::DisplayOf(const ScreenRect& rect) const {
  if (Windowed()) return rect.right > 0 && rect.bottom > 0 ? 0 : -1;
  int best = -1;
  long bestArea = 0;
  for (int i = 0; i < SDL_GetNumVideoDisplays(); ++i) {
    SDL_Rect b;
    if (SDL_GetDisplayBounds(i, &b) != 0) continue;
    long w = std::min<long>(rect.right, b.x + b.w) - std::max<long>(rect.left, b.x);
    long h = std::min<long>(rect.bottom, b.y + b.h) - std::max<long>(rect.top, b.y);
    if (w > 0 && h > 0 && w * h > bestArea) {
      bestArea = w * h;
      best = i;
    }
  }
  return best;
}

uintptr_t SdlPlatform::MonitorFromRect(const ScreenRect& rect) {
  int display = DisplayOf(rect);
  return display < 0 ? 0 : uintptr_t(display + 1);
}

// SDL switches modes when a full-screen window is made; remember the request.
void SdlPlatform::SetDisplayMode(int width, int height, int) {
  modeWidth_ = width;
  modeHeight_ = height;
}

void SdlPlatform::RestoreDisplayMode() {
  if (flight_) SDL_SetWindowFullscreen(flight_, 0);
}

bool SdlPlatform::CreateFlightWindow(const ScreenRect& monitor, int width, int height, int samples) {
  if (!videoReady_) return false;
  SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
  SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
  Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN;
  if (!Windowed()) flags |= SDL_WINDOW_BORDERLESS;
  int display = std::max(0, DisplayOf(monitor));
  // A driver without multisampled visuals refuses the window: then the plain one.
  for (int wanted : {samples, 0}) {
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLEBUFFERS, wanted > 0);
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLESAMPLES, wanted);
    flight_ = SDL_CreateWindow("Quorvan 3D ScreenSaver", SDL_WINDOWPOS_CENTERED_DISPLAY(display),
                               SDL_WINDOWPOS_CENTERED_DISPLAY(display), width, height, flags);
    if (flight_ || wanted == 0) break;
  }
  if (!flight_) return false;
  if (!Windowed()) {
    SDL_DisplayMode desktop;
    SDL_GetDesktopDisplayMode(display, &desktop);
    bool desktopMode = modeWidth_ == desktop.w && modeHeight_ == desktop.h;
    if (!desktopMode) {
      SDL_DisplayMode wanted = desktop;
      wanted.w = modeWidth_;
      wanted.h = modeHeight_;
      SDL_SetWindowDisplayMode(flight_, &wanted);
    }
    SDL_SetWindowFullscreen(flight_, desktopMode ? SDL_WINDOW_FULLSCREEN_DESKTOP : SDL_WINDOW_FULLSCREEN);
  }
  glContext_ = SDL_GL_CreateContext(flight_);
  if (!glContext_) return false;
  SDL_GL_MakeCurrent(flight_, glContext_);
  return true;
}

bool SdlPlatform::CreateCoverWindow(const ScreenRect& monitor) {
  int display = std::max(0, DisplayOf(monitor));
  SDL_Window* cover = SDL_CreateWindow("Quorvan 3D ScreenSaver", SDL_WINDOWPOS_CENTERED_DISPLAY(display),
                                       SDL_WINDOWPOS_CENTERED_DISPLAY(display), monitor.right - monitor.left,
                                       monitor.bottom - monitor.top,
                                       SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS | SDL_WINDOW_FULLSCREEN_DESKTOP);
  if (!cover) return false;
  covers_.push_back(cover);
  return true;
}

void SdlPlatform::ShowWindows() {
  for (SDL_Window* cover : covers_) {
    SDL_ShowWindow(cover);
    if (SDL_Surface* surface = SDL_GetWindowSurface(cover)) {
      SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
      SDL_UpdateWindowSurface(cover);
    }
  }
  if (flight_) {
    SDL_ShowWindow(flight_);
    SDL_RaiseWindow(flight_);
  }
}

void SdlPlatform::DestroyWindows() {
  if (glContext_) {
    SDL_GL_MakeCurrent(flight_, nullptr);
    SDL_GL_DeleteContext(glContext_);
    glContext_ = nullptr;
  }
  for (SDL_Window* cover : covers_) SDL_DestroyWindow(cover);
  covers_.clear();
  if (flight_) SDL_DestroyWindow(flight_);
  flight_ = nullptr;
}

void SdlPlatform::SwapBuffers() {
  if (flight_) SDL_GL_SwapWindow(flight_);
}

int SdlPlatform::DisplayRefreshRate() {
  SDL_DisplayMode mode;
  int display = flight_ ? SDL_GetWindowDisplayIndex(flight_) : -1;
  if (display < 0 || SDL_GetCurrentDisplayMode(display, &mode) != 0) return 0;
  return mode.refresh_rate;
}

void SdlPlatform::NoteFlightWindowEvent(const SDL_Event& e) {
  if (e.type != SDL_WINDOWEVENT || !flight_ || e.window.windowID != SDL_GetWindowID(flight_)) return;
  switch (e.window.event) {
    case SDL_WINDOWEVENT_HIDDEN:
    case SDL_WINDOWEVENT_MINIMIZED:
      flightVisible_ = false;
      break;
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_MAXIMIZED:
    case SDL_WINDOWEVENT_EXPOSED:
      flightVisible_ = true;
      break;
    default:
      break;
  }
}

void SdlPlatform::FlightWindowCentre(int& x, int& y) {
  int left = 0, top = 0, w = 0, h = 0;
  if (flight_) {
    SDL_GetWindowPosition(flight_, &left, &top);
    SDL_GetWindowSize(flight_, &w, &h);
  }
  x = left + w / 2;
  y = top + h / 2;
}

bool SdlPlatform::PumpMessage(InputEvent& event) {
  if (TerminationRequested()) {
    event = {InputEvent::Kind::Quit};
    return true;
  }
  SDL_Event e;
  if (!videoReady_ || !SDL_PollEvent(&e)) return false;
  NoteFlightWindowEvent(e);
  event = TranslateSdlEvent(e);
  return true;
}

// Whole milliseconds, rounded up: a frame a little late rather than a busy wait.
void SdlPlatform::WaitForMessage(double seconds) {
  if (videoReady_ && seconds > 0) SDL_WaitEventTimeout(nullptr, int(std::ceil(seconds * 1000)));
}

void SdlPlatform::ShowCursor(bool show) {
  if (videoReady_) SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

void SdlPlatform::SetCursorPos(int x, int y) {
  if (videoReady_) SDL_WarpMouseGlobal(x, y);
}

void* SdlPlatform::GetGLProcAddress(const char* name) { return SDL_GL_GetProcAddress(name); }

bool SdlPlatform::SetSwapInterval(int interval) { return SDL_GL_SetSwapInterval(interval) == 0; }

bool SdlPlatform::GetGammaRamp(uint16_t (&ramp)[768]) {
  return flight_ && SDL_GetWindowGammaRamp(flight_, ramp, ramp + 256, ramp + 512) == 0;
}

bool SdlPlatform::SetGammaRamp(const uint16_t (&ramp)[768]) {
  return flight_ && SDL_SetWindowGammaRamp(flight_, ramp, ramp + 256, ramp + 512) == 0;
}
