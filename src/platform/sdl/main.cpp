// quorvan3d: the flight on the Linux desktop. Full screen on every display,
// in one ordinary window with --window WxH, or as an X11 screensaver hack in
// a window the daemon gives it (--window-id, XSCREENSAVER_WINDOW, --root).
// The settings live in the user's configuration folder (qvtool settings
// shows and sets them); the options override them for one run.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "audio/audio_library.h"
#include "host/run_saver.h"
#include "host/screensaver_app.h"
#include "platform/sdl/program_options.h"
#include "platform/sdl/sdl_platform.h"
#include "platform/x11/x11_hack_platform.h"
#include "quorvan3d_version.h"
#include "render/gl_setup.h"
#include "settings/display_settings.h"
#include "settings/file_settings_store.h"

namespace {

bool LinkedAudio(AudioLibrary& library) {
  FillLinkedAudioLibrary(library);
  return true;
}

// The stored settings, this run's overrides, and the picture sized to the
// window when it is not a full screen.
// A run that could not start says which step failed and exits 1.
int ExitCode(RunStatus status) {
  if (status == RunStatus::Ok) return 0;
  std::fprintf(stderr, "quorvan3d: %s\n", RunStatusText(status));
  return 1;
}

void PrepareSettings(ScreensaverApp& app, const ProgramOptions& options, int width, int height) {
  app.InitApp("quorvan3d /s");
  ApplyOverrides(options, app.settings);
  if (width > 0) {  // the window's size, whatever mode is stored
    app.settings.Width = width;
    app.settings.Height = height;
  }
  ApplyViewport(app.settings, app.aspect);
}

int RunHack(const ProgramOptions& options, SettingsStore& store) {
  uint32_t window = options.target == DrawTarget::ForeignWindow ? options.windowId : 0;
  X11HackPlatform platform(store, LinkedAudio, window);
  if (!platform.Attached()) return 1;
  ScreensaverApp app(platform);
  PrepareSettings(app, options, platform.Width(), platform.Height());
  platform.SetResizeHandler([&app](int width, int height) {
    app.settings.Width = width;
    app.settings.Height = height;
    ApplyViewport(app.settings, app.aspect);
    SetProjection(app.settings, app.aspect);
  });
  return ExitCode(RunSaver(app));
}

// Before anything is loaded: without a display there is nothing to show, and
// a window larger than the display cannot be shown whole. 0 when the run
// can go on, else the exit status (with the reason said).
// SDL falls back to its off-screen driver when no display answers; that
// counts only when asked for by name.
bool DisplayOpened() {
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
  const char* driver = SDL_GetCurrentVideoDriver();
  const char* asked = SDL_getenv("SDL_VIDEODRIVER");
  bool headless = driver && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0);
  if (!headless || (asked && std::strcmp(asked, driver) == 0)) return true;
  SDL_SetError("the %s driver is all there is: no X11 or Wayland display (is DISPLAY set?)", driver);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  return false;
}

int CheckDisplay(int width, int height) {
  if (!DisplayOpened()) {
    std::fprintf(stderr, "quorvan3d: no display could be opened (%s)\n", SDL_GetError());
    return 1;
  }
  SDL_DisplayMode desktop;
  int status = 0;
  if (width > 0 && SDL_GetDesktopDisplayMode(0, &desktop) == 0 && (width > desktop.w || height > desktop.h)) {
    std::fprintf(stderr, "quorvan3d: --window %dx%d is larger than the display (%dx%d)\n", width, height,
                 desktop.w, desktop.h);
    status = 2;
  }
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  ProgramOptions options = ParseProgramOptions(argc, argv, std::getenv("XSCREENSAVER_WINDOW"));
  if (!options.error.empty()) {
    std::fprintf(stderr, "quorvan3d: %s\nquorvan3d --help lists the options.\n", options.error.c_str());
    return 2;
  }
  if (options.showHelp) {
    std::fputs(ProgramUsage(), stdout);
    return 0;
  }
  if (options.showVersion) {
    std::printf("quorvan3d %s\n", QV_VERSION);
    return 0;
  }
  FileSettingsStore store(DefaultSettingsFilePath());
  if (options.target == DrawTarget::ForeignWindow || options.target == DrawTarget::RootWindow)
    return RunHack(options, store);
  if (int status = CheckDisplay(options.windowWidth, options.windowHeight)) return status;
  SdlPlatform platform(store, LinkedAudio, options.windowWidth, options.windowHeight);
  ScreensaverApp app(platform);
  PrepareSettings(app, options, options.windowWidth, options.windowHeight);
  return ExitCode(RunSaver(app));
}
