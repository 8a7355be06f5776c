// qvtool simulate and render: the flight on a virtual clock at 60 frames a
// second, through the screensaver's own director and (for render) its whole
// full-screen run on the headless platform.
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "director/registries.h"
#include "director/scene_director.h"
#include "host/flight.h"
#include "host/run_saver.h"
#include "host/screensaver_app.h"
#include "platform/embedded_resources.h"
#include "platform/headless/headless_platform.h"
#include "settings/memory_settings_store.h"
#include "settings/settings_rules.h"
#include "settings/stored_settings.h"
#include "tools/common/bmp_writer.h"
#include "tools/common/contact_sheet.h"
#include "tools/common/file_bytes.h"
#include "tools/common/jpeg_writer.h"
#include "tools/common/png_writer.h"
#include "tools/qvtool/commands.h"
#include "tools/qvtool/settings_support.h"

namespace {

constexpr double FrameSeconds = 1.0 / 60;

// The largest frame render takes: every frame is read back whole.
constexpr int MaxFrameSide = 8192;

struct FlightOptions {
  std::string command;  // "simulate" or "render", for messages
  std::string archive;  // empty: the built-in archive
  std::optional<uint32_t> seed;
  std::vector<std::pair<std::string, uint32_t>> stored;  // --set, --galaxy, --timescale
  int width = 640, height = 480;
  double hours = 1;
  std::vector<double> times;  // --at or --time
  std::string world, scene;
  std::string sceneDir;  // the folder of a --scene given as "dir\file", with its '\'
  std::string output, sheet;
  int fitWidth = 0, fitHeight = 0;  // --fit: frames scaled to this size
  double step = FrameSeconds;       // --step: the clock's step up to a second before a frame taken
  bool ok = true;
};

// Numbers as whole arguments: trailing text, or none at all, is an error.
bool ParseDouble(const char* text, double& value) {
  char* end;
  value = std::strtod(text, &end);
  return end != text && !*end && std::isfinite(value);
}

bool ParseSeed(const char* text, uint32_t& value) {
  char* end;
  errno = 0;
  unsigned long long number = std::strtoull(text, &end, 10);
  if (errno || end == text || *end || text[0] == '-' || number > UINT32_MAX) return false;
  value = uint32_t(number);
  return true;
}

bool ParseSize(const char* text, int minWidth, int minHeight, int& width, int& height) {
  char tail;
  return std::sscanf(text, "%dx%d%c", &width, &height, &tail) == 2 && width >= minWidth &&
         height >= minHeight && width <= MaxFrameSide && height <= MaxFrameSide;
}

std::vector<double> ParseTimes(const char* text) {
  std::vector<double> times;
  for (const char* p = text; *p;) {
    char* end;
    double t = std::strtod(p, &end);
    if (end == p || !std::isfinite(t) || t < 0 || (*end && *end != ',')) return {};
    times.push_back(t);
    p = *end == ',' ? end + 1 : end;
  }
  return times;
}

// Each option parser returns what is wrong with its value, or nothing.
using Refusal = std::string;

Refusal StoreSetting(FlightOptions& options, const std::string& name, const char* value) {
  const char* stored = FindStoredSettingName(name.c_str());
  char* end;
  errno = 0;
  long number = std::strtol(value, &end, 10);
  if (!stored || errno || end == value || *end) return "no setting " + name + "=" + value;
  StoredSettingRule rule = RuleOfStoredSetting(stored);
  if (number < INT32_MIN || number > INT32_MAX || !rule.Allows(int32_t(number)))
    return std::string(stored) + " must be " + rule.Describe() + ", not " + value;
  options.stored.emplace_back(stored, uint32_t(number));
  return {};
}

// "planet1.txt", or the "home\planet1.txt" that simulate prints.
void SetScene(FlightOptions& o, const std::string& scene) {
  size_t slash = scene.find_last_of("\\/");
  o.scene = slash == std::string::npos ? scene : scene.substr(slash + 1);
  o.sceneDir = slash == std::string::npos ? "" : scene.substr(0, slash) + "\\";
}

Refusal ParseOption(FlightOptions& o, const std::string& a, const char* next) {
  Refusal invalid = a + " " + next + " is not a valid value";
  if (a == "--archive") {
    o.archive = next;
  } else if (a == "--seed") {
    uint32_t seed;
    if (!ParseSeed(next, seed)) return invalid + " (a whole number 0 to 4294967295)";
    o.seed = seed;
  } else if (a == "--galaxy") {
    bool on = std::strcmp(next, "on") == 0;
    if (!on && std::strcmp(next, "off") != 0) return invalid + " (on or off)";
    return StoreSetting(o, "Galaxy", on ? "1" : "0");
  } else if (a == "--timescale") {
    return StoreSetting(o, "TimeScale", next);
  } else if (a == "--set") {
    const char* eq = std::strchr(next, '=');
    if (!eq) return invalid + " (NAME=VALUE)";
    return StoreSetting(o, std::string(next, eq), eq + 1);
  } else if (a == "--hours") {
    if (!ParseDouble(next, o.hours) || o.hours <= 0 || o.hours > 1000) return invalid + " (more than 0, at most 1000)";
  } else if (a == "--size") {
    if (!ParseSize(next, 64, 48, o.width, o.height)) return invalid + " (64x48 to 8192x8192)";
  } else if (a == "--at" || a == "--time") {
    o.times = ParseTimes(next);
    if (o.times.empty()) return invalid + " (seconds from 0, separated by commas)";
  } else if (a == "--world") {
    o.world = next;
  } else if (a == "--scene") {
    SetScene(o, next);
    if (o.scene.empty()) return invalid + " (a script's file name)";
  } else if (a == "-o") {
    o.output = next;
  } else if (a == "--fit") {
    if (!ParseSize(next, 1, 1, o.fitWidth, o.fitHeight)) return invalid + " (1x1 to 8192x8192)";
  } else if (a == "--sheet") {
    o.sheet = next;
  } else if (a == "--step") {
    if (!ParseDouble(next, o.step) || o.step < FrameSeconds || o.step > 1) return invalid + " (1/60 to 1 seconds)";
  }
  return {};
}

bool KnownOption(const std::string& a, bool render) {
  for (const char* name : {"--archive", "--seed", "--galaxy", "--timescale", "--set", "--hours"})
    if (a == name) return !render || a != "--hours";
  for (const char* name : {"--size", "--at", "--time", "--world", "--scene", "-o", "--fit", "--sheet", "--step"})
    if (a == name) return render;
  return false;
}

FlightOptions ParseOptions(int argc, char** argv) {
  FlightOptions o;
  o.command = argv[0];
  bool render = o.command == "render";
  for (int i = 1; i < argc && o.ok; i += 2) {
    std::string a = argv[i];
    const char* next = i + 1 < argc ? argv[i + 1] : nullptr;
    if (!KnownOption(a, render)) {
      std::fprintf(stderr, "qvtool %s: unknown option %s\n", o.command.c_str(), a.c_str());
      o.ok = false;
    } else if (!next) {
      std::fprintf(stderr, "qvtool %s: %s needs a value\n", o.command.c_str(), a.c_str());
      o.ok = false;
    } else if (Refusal refusal = ParseOption(o, a, next); !refusal.empty()) {
      std::fprintf(stderr, "qvtool %s: %s\n", o.command.c_str(), refusal.c_str());
      o.ok = false;
    }
  }
  return o;
}

// The built-in resources, with the archive taken from a file when asked.
class FlightResources : public ResourceSource {
 public:
  explicit FlightResources(std::string command) : command_(std::move(command)) {}
  bool Load(const std::string& archivePath) {
    if (archivePath.empty()) return true;
    auto bytes = ReadWholeFile(command_.c_str(), archivePath.c_str());
    if (!bytes) return false;
    archive_ = std::move(*bytes);
    useFile_ = true;
    return true;
  }
  ResourceBytes Find(const char* type, int id) const override {
    if (useFile_ && id == ArchiveResourceId && std::strcmp(type, CustomDataType) == 0)
      return {archive_.data(), uint32_t(archive_.size()), true};
    return builtIn_.Find(type, id);
  }

 private:
  std::string command_;
  EmbeddedResources builtIn_;
  std::vector<uint8_t> archive_;
  bool useFile_ = false;
};

// Stores the options' settings over a quiet default: no music.
void FillStore(MemorySettingsStore& store, const FlightOptions& options) {
  store.Write("EnableMusic", 0);
  for (const auto& [name, value] : options.stored) store.Write(name.c_str(), value);
}

class NoFog : public FogControl {
 public:
  void SetExponential(float) override {}
  void SetLinear(float, float) override {}
  void SetColour(Vec3) override {}
};

uint32_t SeedFromClock() {
  return uint32_t(std::chrono::steady_clock::now().time_since_epoch().count());
}

void PrintSceneLoad(double seconds, const SceneDirector& director) {
  std::printf("%10.2f\t%s\t%s\n", seconds, director.currentWorld ? director.currentWorld->name : "-",
              director.loadedScene);
}

}  // namespace

int RunSimulate(int argc, char** argv) {
  FlightOptions options = ParseOptions(argc, argv);
  FlightResources resources(options.command);
  if (!options.ok || !resources.Load(options.archive)) return 2;
  MemorySettingsStore store;
  FillStore(store, options);
  HeadlessPlatform platform(resources, store);
  ScreensaverApp app(platform);
  app.InitApp("qvtool /s");

  // Sequencing needs no objects: the worlds are read without them.
  auto noObjects = [](ObjectList&, const char*) {};
  EnvironmentList environments;
  WorldList worlds;
  ObjectList dynamicObjects;
  if (!LoadEnvironments(environments, "env.txt", app.resources, app.log, noObjects) ||
      !LoadWorlds(worlds, "worlds.txt", environments, app.resources, app.log, noObjects)) {
    std::fprintf(stderr, "qvtool: the archive has no env.txt or worlds.txt\n");
    return 1;
  }
  RandomGenerator random;
  random.Seed(options.seed ? *options.seed : SeedFromClock());
  NoFog fog;
  DirectorContext context{&app.settings, &worlds, &dynamicObjects, &random, &app.resources, &app.log, &fog};
  SceneDirector director;
  director.StartFlight(context);
  PrintSceneLoad(0, director);
  const int64_t frames = int64_t(options.hours * 3600 / FrameSeconds);
  uint32_t loads = director.sceneLoads;
  for (int64_t frame = 1; frame <= frames && !director.holding; ++frame) {
    director.AdvanceFrame(FrameSeconds, context);
    if (director.sceneLoads != loads) PrintSceneLoad(double(frame) * FrameSeconds, director);
    loads = director.sceneLoads;
  }
  return 0;
}

namespace {

std::vector<uint8_t> TopRowFirstRgb(const std::vector<uint8_t>& rgba, int width, int height) {
  std::vector<uint8_t> rgb(size_t(width) * size_t(height) * 3);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      for (int c = 0; c < 3; ++c)
        rgb[(size_t(y) * size_t(width) + size_t(x)) * 3 + size_t(c)] =
            rgba[(size_t(height - 1 - y) * size_t(width) + size_t(x)) * 4 + size_t(c)];
  return rgb;
}

std::string FrameFileName(const FlightOptions& options, double time) {
  if (options.times.size() == 1) return options.output;
  std::string base = options.output, ext;
  size_t dot = base.rfind('.');
  if (dot != std::string::npos) {
    ext = base.substr(dot);
    base.resize(dot);
  }
  char suffix[32];
  std::snprintf(suffix, sizeof suffix, "-%g", time);
  return base + suffix + ext;
}

enum class FrameFormat { Png, Bmp, Jpeg };

bool EndsWith(const std::string& name, const char* ext) {
  std::string lower = name;
  for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
  size_t n = std::strlen(ext);
  return lower.size() > n && lower.compare(lower.size() - n, n, ext) == 0;
}

// The format a frame's file name asks for, or nothing for a name that asks
// for none of them.
std::optional<FrameFormat> FrameFormatOf(const std::string& name) {
  if (EndsWith(name, ".png")) return FrameFormat::Png;
  if (EndsWith(name, ".bmp")) return FrameFormat::Bmp;
  if (EndsWith(name, ".jpg") || EndsWith(name, ".jpeg")) return FrameFormat::Jpeg;
  return std::nullopt;
}

// A file can be made in the folder of path: checked before a long render,
// with a file of its own that is removed again (path itself is untouched).
bool FolderWritable(const std::string& path) {
  std::filesystem::path folder = std::filesystem::path(path).parent_path();
  if (folder.empty()) folder = ".";
  std::filesystem::path probe = folder / ".qvtool-write-check";
  if (!WriteFileBytes(probe, nullptr, 0)) return false;
  std::error_code error;
  std::filesystem::remove(probe, error);
  return true;
}

// The outputs render was asked for can be written: known formats, folders
// that take files. Says what is wrong otherwise.
bool OutputsUsable(const FlightOptions& options) {
  if (!options.output.empty() && !FrameFormatOf(options.output)) {
    std::fprintf(stderr, "qvtool render: -o %s: a frame is written as .png, .bmp or .jpg\n", options.output.c_str());
    return false;
  }
  if (!options.sheet.empty() && !EndsWith(options.sheet, ".png")) {
    std::fprintf(stderr, "qvtool render: --sheet %s: the sheet is written as .png\n", options.sheet.c_str());
    return false;
  }
  for (const std::string& path : {options.output, options.sheet}) {
    if (path.empty() || FolderWritable(path)) continue;
    std::fprintf(stderr, "qvtool render: cannot write %s (no such folder, or no permission)\n", path.c_str());
    return false;
  }
  return true;
}

// Takes the frames the options ask for as the run presents them, and ends
// the run after the last one.
class FrameTaker {
 public:
  FrameTaker(const FlightOptions& options, ScreensaverApp& app, ContactSheet* sheet)
      : options_(options), app_(app), sheet_(sheet) {}

  void OnFrame(HeadlessPlatform& platform) {
    if (step_ == FrameSeconds) ++fineFrames_;
    else coarseSeconds_ += step_;
    if (next_ >= options_.times.size()) return;
    if (LeftTheScene()) {
      std::fprintf(stderr, "qvtool: no scene %s of world %s that lasts %g s\n", options_.scene.c_str(),
                   options_.world.c_str(), options_.times[next_]);
      failed_ = true;
      next_ = options_.times.size();
      Quit(platform);
      return;
    }
    double now = Now();
    if (now < options_.times[next_]) {
      Pace(platform, now);
      return;
    }
    std::vector<uint8_t> rgb =
        TopRowFirstRgb(platform.ReadPixels(0, 0, options_.width, options_.height), options_.width, options_.height);
    if (!options_.output.empty()) {
      std::string name = FrameFileName(options_, options_.times[next_]);
      if (WriteFrame(name, rgb)) std::printf("%s\n", name.c_str());
      else failed_ = true;
    }
    if (sheet_) sheet_->Add(options_.width, options_.height, rgb, Label(options_.times[next_]));
    if (++next_ == options_.times.size()) Quit(platform);
    else Pace(platform, now);
  }
  bool complete() const { return next_ == options_.times.size() && !failed_; }

 private:
  // Coarse steps skip the frames nobody sees; the last second before a
  // frame taken goes at the flight's own rate, so what moves with the frame
  // time (dust, particles, flames) has settled.
  void Pace(HeadlessPlatform& platform, double now) {
    bool near = options_.times[next_] - now < 1 + options_.step;
    step_ = near || now < 0 ? FrameSeconds : options_.step;
    platform.SetSecondsPerFrame(step_);
  }
  static void Quit(HeadlessPlatform& platform) {
    InputEvent quit;
    quit.kind = InputEvent::Kind::Quit;
    platform.PushInput(quit);
  }
  // One scene: the flight is not in it (no such world or script) or has
  // moved on to the next one.
  bool LeftTheScene() const {
    const Flight* flight = app_.flight.get();
    if (options_.world.empty() || !flight) return false;
    const SceneDirector& d = flight->director;
    if (d.holding) return true;
    if (d.sceneLoads == 0) return false;
    std::string dir = options_.sceneDir.empty() && d.currentWorld ? d.currentWorld->sceneDir : options_.sceneDir;
    std::string wanted = dir + options_.scene;
    return d.sceneLoads > 1 || !d.currentWorld || options_.world != d.currentWorld->name || wanted != d.loadedScene;
  }
  // One scene: its scene time, once the flight has started. Otherwise the
  // seconds since the start, loading screen and intro included.
  double Now() const {
    if (options_.world.empty()) return double(fineFrames_) * FrameSeconds + coarseSeconds_;
    const Flight* flight = app_.flight.get();
    if (!flight || flight->director.sceneLoads == 0) return -1;
    return flight->director.sceneTime;
  }
  // In the format its name ends in (see FrameFormatOf); --fit scales it.
  bool WriteFrame(const std::string& name, const std::vector<uint8_t>& rgb) const {
    int w = options_.width, h = options_.height;
    std::vector<uint8_t> pixels = rgb;
    if (options_.fitWidth) {
      pixels = FitRgb(w, h, rgb, options_.fitWidth, options_.fitHeight);
      w = options_.fitWidth;
      h = options_.fitHeight;
    }
    switch (*FrameFormatOf(name)) {
      case FrameFormat::Png: return WritePng(name, w, h, 3, pixels);
      case FrameFormat::Jpeg: return WriteJpeg(name, w, h, pixels, 95);
      case FrameFormat::Bmp: break;
    }
    return WriteFileBytes(name, EncodeBmp24(w, h, pixels));
  }
  std::string Label(double time) const {
    char text[300];
    const Flight* flight = app_.flight.get();
    std::snprintf(text, sizeof text, "%g s  %s", time, flight ? flight->director.loadedScene : "");
    return text;
  }

  const FlightOptions& options_;
  ScreensaverApp& app_;
  ContactSheet* sheet_;
  size_t next_ = 0;
  bool failed_ = false;
  // The virtual clock since the start: frames at the flight's rate counted,
  // so the default steps land on the frames they always did.
  double step_ = FrameSeconds;  // its step at the last SwapBuffers
  int64_t fineFrames_ = 0;
  double coarseSeconds_ = 0;
};

}  // namespace

int RunRender(int argc, char** argv) {
  FlightOptions options = ParseOptions(argc, argv);
  if (options.ok && options.times.empty()) options.times = {0};
  if (!options.ok || (options.output.empty() && options.sheet.empty()) ||
      options.world.empty() != options.scene.empty()) {
    std::fprintf(stderr, "usage: qvtool render [options] -o OUT.png | --sheet SHEET.png\n");
    return 2;
  }
  if (!OutputsUsable(options)) return 2;
  FlightResources resources(options.command);
  if (!resources.Load(options.archive)) return 2;
  MemorySettingsStore store;
  FillStore(store, options);
  HeadlessPlatform platform(resources, store);
  platform.displays().Set({MakeHeadlessDisplay("Headless", options.width, options.height, 0, 0,
                                               AdapterAttachedToDesktop | AdapterPrimary)});
  platform.SetSecondsPerFrame(FrameSeconds);
  ScreensaverApp app(platform);
  app.InitApp("qvtool /s");
  app.seed = options.seed;
  if (!options.world.empty()) app.startScene = StartScene{options.world, options.scene};

  ContactSheet sheet(320, int(320L * options.height / options.width), 4, QV_LABEL_FONT);
  FrameTaker taker(options, app, options.sheet.empty() ? nullptr : &sheet);
  platform.SetFrameHook([&taker](HeadlessPlatform& p, int64_t) { taker.OnFrame(p); });
  RunStatus status = RunSaver(app);
  if (status != RunStatus::Ok) {
    std::fprintf(stderr, "qvtool render: the flight could not start: %s\n", RunStatusText(status));
    return 1;
  }
  if (!options.sheet.empty() && sheet.Write(options.sheet)) std::printf("%s\n", options.sheet.c_str());
  if (!taker.complete()) {
    std::fprintf(stderr, "qvtool: the flight ended before every frame was taken\n");
    return 1;
  }
  return 0;
}
