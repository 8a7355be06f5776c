#include "platform/sdl/program_options.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

// Whole-string decimal in [low, high].
std::optional<int32_t> ParseNumber(const char* text, long low, long high) {
  if (!text || !*text) return std::nullopt;
  char* end = nullptr;
  errno = 0;
  long value = std::strtol(text, &end, 10);
  if (errno != 0 || *end != '\0' || value < low || value > high) return std::nullopt;
  return int32_t(value);
}

bool ParseWindowSize(const char* text, int& width, int& height) {
  char rest = 0;
  if (std::sscanf(text, "%dx%d%c", &width, &height, &rest) != 2) return false;
  return width >= 160 && height >= 120 && width <= 16384 && height <= 16384;
}

// Both -name and --name are accepted, as X11 screensaver hacks take their
// options with one dash.
std::string_view OptionName(const char* arg) {
  std::string_view name(arg);
  if (name.starts_with("--")) name.remove_prefix(1);
  return name;
}

class Parser {
 public:
  Parser(int argc, const char* const* argv) : argc_(argc), argv_(argv) {}

  void Run(ProgramOptions& out) {
    for (i_ = 1; i_ < argc_ && out.error.empty(); ++i_) Take(out, OptionName(argv_[i_]));
  }

 private:
  void Fail(ProgramOptions& out, const std::string& message) { out.error = message; }

  const char* Value(ProgramOptions& out, std::string_view name) {
    if (i_ + 1 >= argc_) {
      Fail(out, "-" + std::string(name) + " needs a value");
      return nullptr;
    }
    return argv_[++i_];
  }

  void Number(ProgramOptions& out, std::string_view name, std::optional<int32_t>& field, long low, long high) {
    const char* text = Value(out, name);
    if (!text) return;
    field = ParseNumber(text, low, high);
    if (!field)
      Fail(out, "-" + std::string(name) + ": '" + text + "' is not a number from " + std::to_string(low) +
                    " to " + std::to_string(high));
  }

  void Target(ProgramOptions& out, DrawTarget target) {
    if (targetGiven_) Fail(out, "choose one of --window, --window-id and --root");
    targetGiven_ = true;
    out.target = target;
  }

  void Take(ProgramOptions& out, std::string_view name) {
    if (name == "-help" || name == "-h") {
      out.showHelp = true;
    } else if (name == "-version") {
      out.showVersion = true;
    } else if (name == "-fps") {
      out.showFps = true;
    } else if (name == "-no-clock") {
      out.showClock = false;
    } else if (name == "-clock-24h") {
      out.hrs12 = false;
    } else if (name == "-no-music") {
      out.music = false;
    } else if (name == "-no-galaxy") {
      out.galaxy = false;
    } else if (name == "-letterbox" || name == "-no-letterbox") {
      out.wideScreen = name == "-letterbox";
    } else if (name == "-volume") {
      Number(out, name, out.volume, 0, 100);
    } else if (name == "-camera-speed") {
      Number(out, name, out.timeScale, 0, 3);
    } else if (name == "-frame-limit") {
      Number(out, name, out.frameLimit, 0, 1000);
    } else if (name == "-window") {
      Target(out, DrawTarget::Window);
      const char* text = out.error.empty() ? Value(out, name) : nullptr;
      if (text && !ParseWindowSize(text, out.windowWidth, out.windowHeight))
        Fail(out, std::string("-window: '") + text + "' is not a size from 160x120 to 16384x16384");
    } else if (name == "-window-id") {
      Target(out, DrawTarget::ForeignWindow);
      const char* text = out.error.empty() ? Value(out, name) : nullptr;
      if (!text) return;
      std::optional<uint32_t> id = ParseWindowId(text);
      if (!id) Fail(out, std::string("-window-id: '") + text + "' is not a window id");
      out.windowId = id.value_or(0);
    } else if (name == "-root") {
      Target(out, DrawTarget::RootWindow);
    } else {
      Fail(out, std::string("unknown option '") + argv_[i_] + "'");
    }
  }

  int argc_;
  const char* const* argv_;
  int i_ = 1;
  bool targetGiven_ = false;
};

}  // namespace

std::optional<uint32_t> ParseWindowId(const char* text) {
  if (!text) return std::nullopt;
  int base = 10;
  if (text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text += 2;
  }
  // strtoul would take a sign or leading blanks; a window id has neither.
  if (!*text || !std::strchr(base == 16 ? "0123456789abcdefABCDEF" : "0123456789", *text)) return std::nullopt;
  char* end = nullptr;
  errno = 0;
  unsigned long value = std::strtoul(text, &end, base);
  if (errno != 0 || *end != '\0' || value == 0 || value > 0xFFFFFFFFul) return std::nullopt;
  return uint32_t(value);
}

ProgramOptions ParseProgramOptions(int argc, const char* const* argv, const char* xscreensaverWindow) {
  ProgramOptions options;
  Parser(argc, argv).Run(options);
  if (!options.error.empty() || !xscreensaverWindow) return options;
  bool daemonWindow = options.target == DrawTarget::RootWindow ||
                      (options.target == DrawTarget::FullScreen && !options.showHelp && !options.showVersion);
  if (!daemonWindow) return options;
  std::optional<uint32_t> id = ParseWindowId(xscreensaverWindow);
  if (!id) {
    options.error = std::string("XSCREENSAVER_WINDOW: '") + xscreensaverWindow + "' is not a window id";
    return options;
  }
  options.target = DrawTarget::ForeignWindow;
  options.windowId = *id;
  return options;
}

void ApplyOverrides(const ProgramOptions& options, Settings& settings) {
  settings.ShowFPS = options.showFps.value_or(settings.ShowFPS);
  settings.ShowClock = options.showClock.value_or(settings.ShowClock);
  settings.Hrs12 = options.hrs12.value_or(settings.Hrs12);
  settings.EnableMusic = options.music.value_or(settings.EnableMusic);
  settings.Galaxy = options.galaxy.value_or(settings.Galaxy);
  settings.WideScreen = options.wideScreen.value_or(settings.WideScreen);
  settings.Volume = options.volume.value_or(settings.Volume);
  settings.TimeScale = options.timeScale.value_or(settings.TimeScale);
  settings.FrameLimit = options.frameLimit.value_or(settings.FrameLimit);
}

const char* ProgramUsage() {
  return "usage: quorvan3d [OPTION]...\n"
         "The Quorvan 3D space flight: full screen on every display, in a window,\n"
         "or as an X11 screensaver hack in the window its daemon gives it.\n"
         "\n"
         "Where to draw (one of):\n"
         "  --window WIDTHxHEIGHT  an ordinary window of that size\n"
         "  --window-id ID         an existing X window (decimal or 0x hex)\n"
         "  --root                 the root window (XSCREENSAVER_WINDOW when set)\n"
         "  (none)                 the window XSCREENSAVER_WINDOW names, else full screen\n"
         "\n"
         "Settings for this run only (the stored settings are not changed):\n"
         "  --fps                  show the frame rate\n"
         "  --no-clock             hide the clock\n"
         "  --clock-24h            show the clock with 24 hours\n"
         "  --no-music             play no music\n"
         "  --volume N             music volume, 0 to 100\n"
         "  --no-galaxy            skip the galaxy flights\n"
         "  --camera-speed N       0 (normal) to 3 (fastest)\n"
         "  --letterbox, --no-letterbox\n"
         "                         a 16:10 picture between black bands, or the full window\n"
         "  --frame-limit N        at most N frames a second, 0 for the display's rate\n"
         "\n"
         "  --version              print the version\n"
         "  --help                 print this text\n"
         "Options may also be written with one dash (-root, -window-id ID).\n"
         "Exit codes: 0 done, 1 the flight could not run, 2 a bad command line.\n";
}
