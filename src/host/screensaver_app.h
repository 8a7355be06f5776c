// ScreensaverApp: the one application object. It owns every piece of
// process-wide state of a run (settings, texts, monitors, and for the
// full-screen run the worlds, the director, the timers) and carries out the
// start-up common to all run modes. Tests build a fresh one for every case.
#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "assets/archive/archive_log.h"
#include "assets/resources.h"
#include "base/debug_log.h"
#include "host/command_line.h"
#include "host/monitor_table.h"
#include "host/platform_messages.h"
#include "platform/platform.h"
#include "settings/default_settings.h"
#include "settings/language_table.h"
#include "settings/settings.h"

struct Flight;

// One script of one world to start the flight with (for looking at a scene).
struct StartScene {
  std::string world;
  std::string file;
};

class ScreensaverApp {
 public:
  // The resources come from the platform's source; the archive reader's
  // diagnostics go to the log file in the temporary directory.
  explicit ScreensaverApp(Platform& platform);
  ~ScreensaverApp();  // out of line: Flight is complete there
  ScreensaverApp(const ScreensaverApp&) = delete;
  ScreensaverApp& operator=(const ScreensaverApp&) = delete;

  // Default settings, language table, command line, stored settings,
  // monitors (full-screen modes only), desktop mode, viewport, and the copy
  // that "restore defaults" brings back.
  void InitApp(const char* commandLine);

  Platform& platform;
  ArchiveLogFile archiveLog;
  Resources resources;
  DebugLog log;  // the start-up log; no destination unless one is attached
  PlatformMessages messages;
  CommandLine commandLine;
  MonitorTable monitors;
  DefaultSettingsTable defaultsTable;
  LanguageTable language;
  Settings settings;
  Settings defaultSettings;
  ViewAspect aspect;

  // The full-screen run's state while RunSaver runs.
  std::unique_ptr<Flight> flight;
  // Seeds the flight's random generator instead of the counter (qvtool).
  std::optional<uint32_t> seed;
  std::optional<StartScene> startScene;
};
