// The process entry of quorvan3d.scr: the common start-up, then the run
// mode that the screensaver host asked for on the command line.
#include "host/run_saver.h"
#include "host/screensaver_app.h"
#include "platform/win32/config_dialog.h"
#include "platform/win32/preview_window.h"
#include "platform/win32/screen_rescue.h"
#include "platform/win32/win32_platform.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  screen_rescue::Install();
  Win32Platform platform(instance, showCommand);
  ScreensaverApp app(platform);
  app.InitApp(GetCommandLineA());
  switch (app.commandLine.mode) {
    case RunMode::Configure:
      RunConfigure(instance, app);
      break;
    case RunMode::Preview:
      RunPreview(instance, showCommand, app.commandLine.parentWindow);
      break;
    case RunMode::Saver:
    case RunMode::Test:
      return RunSaver(app) == RunStatus::Ok ? 0 : 1;
  }
  return 0;
}
