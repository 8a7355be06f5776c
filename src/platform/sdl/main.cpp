// quorvan3d: the flight on the Linux desktop. Full screen on every display,
// or in one ordinary window with --window WxH. The settings live in the
// user's configuration folder (qvtool settings shows and sets them).
#include <cstdio>
#include <cstring>

#include "audio/audio_library.h"
#include "host/run_saver.h"
#include "host/screensaver_app.h"
#include "platform/sdl/sdl_platform.h"
#include "settings/display_settings.h"
#include "settings/file_settings_store.h"

int main(int argc, char** argv) {
  int width = 0, height = 0;
  for (int i = 1; i < argc; ++i) {
    bool windowed = std::strcmp(argv[i], "--window") == 0 && i + 1 < argc &&
                    std::sscanf(argv[i + 1], "%dx%d", &width, &height) == 2 && width >= 160 && height >= 120;
    if (!windowed) {
      std::fprintf(stderr, "usage: quorvan3d [--window WIDTHxHEIGHT]\n");
      return 2;
    }
    ++i;
  }
  FileSettingsStore store(DefaultSettingsFilePath());
  auto linkedAudio = [](AudioLibrary& library) {
    FillLinkedAudioLibrary(library);
    return true;
  };
  SdlPlatform platform(store, linkedAudio, width, height);
  ScreensaverApp app(platform);
  app.InitApp("quorvan3d /s");
  if (width > 0) {  // the window's size, whatever mode is stored
    app.settings.Width = width;
    app.settings.Height = height;
    ApplyViewport(app.settings, app.aspect);
  }
  RunStatus status = RunSaver(app);
  if (status == RunStatus::Ok) return 0;
  std::fprintf(stderr, "quorvan3d: %s\n", RunStatusText(status));
  return 1;
}
