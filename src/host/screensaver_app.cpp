#include "host/screensaver_app.h"

#include "assets/resource_source.h"
#include "host/flight.h"
#include "settings/display_settings.h"
#include "settings/stored_settings.h"

ScreensaverApp::ScreensaverApp(Platform& platform) : platform(platform), messages(platform) {
  InstallResourceSource(&platform.Resources());
}

ScreensaverApp::~ScreensaverApp() { InstallResourceSource(nullptr); }

void ScreensaverApp::InitApp(const char* commandLineText) {
  LoadDefaultSettingsText(defaultsTable, messages);
  LoadLanguageTable(language);
  ApplyDefaults(settings, defaultsTable, messages);
  commandLine = ParseCommandLine(commandLineText);
  LoadSettings(settings, platform.Store());
  if (commandLine.mode == RunMode::Saver || commandLine.mode == RunMode::Test)
    EnumerateMonitors(platform, monitors);
  DisplayMode desktop;
  ApplyDesktopMode(settings, platform.CurrentDisplayMode(nullptr, desktop) ? &desktop : nullptr);
  ApplyViewport(settings, aspect);
  defaultSettings = MakeDefaultSettings(settings, defaultsTable, messages);
}
