// The screensaver host's command line: which run mode, and the window handle
// that the configuration dialog is owned by or the preview is drawn into.
#pragma once
#include <cstdint>

enum class RunMode : int32_t { Configure = 0, Preview = 1, Saver = 2, Test = 3 };

struct CommandLine {
  RunMode mode = RunMode::Configure;
  uint32_t parentWindow = 0;  // 0 when the command line names none
};

// text is the whole command line, program name first.
CommandLine ParseCommandLine(const char* text);
