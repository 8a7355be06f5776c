#include "host/screensaver_app.h"

#include "host/flight.h"
#include "settings/display_settings.h"
#include "settings/stored_settings.h"

ScreensaverApp::ScreensaverApp(Platform& platform)
    : platform(platform), resources(platform.Resources(), archiveLog), messages(platform) {}

ScreensaverApp::~ScreensaverApp() = default;

void ScreensaverApp::InitApp(const char* commandLineText) {
  LoadDefaultSettingsText(defaultsTable, resources, messages);
  LoadLanguageTable(language, resources);
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
