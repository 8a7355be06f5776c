// The command line of the Linux program: where the flight is drawn (full
// screen, an ordinary window, or a window the X11 screensaver daemon gives
// it) and the settings that one run overrides. Overrides are applied to the
// live record only; nothing writes them back to the store.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "settings/settings.h"

enum class DrawTarget { FullScreen, Window, ForeignWindow, RootWindow };

struct ProgramOptions {
  DrawTarget target = DrawTarget::FullScreen;
  int windowWidth = 0, windowHeight = 0;  // DrawTarget::Window
  uint32_t windowId = 0;                  // DrawTarget::ForeignWindow
  bool showHelp = false, showVersion = false;

  std::optional<bool> showFps, showClock, hrs12, music, galaxy, wideScreen;
  std::optional<int32_t> volume, timeScale, frameLimit;

  std::string error;  // set when the command line is not understood
};

// argv as main receives it. xscreensaverWindow is the XSCREENSAVER_WINDOW
// environment value or null; it names the window when the command line asks
// for no other, and stands for the root window under --root, as the daemon
// passes its own window that way.
ProgramOptions ParseProgramOptions(int argc, const char* const* argv, const char* xscreensaverWindow);

void ApplyOverrides(const ProgramOptions& options, Settings& settings);

// A decimal or 0x-hexadecimal X window id; nullopt unless it is a non-zero
// 32-bit number with nothing after it.
std::optional<uint32_t> ParseWindowId(const char* text);

// The --help text.
const char* ProgramUsage();
