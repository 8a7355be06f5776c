// qvtool settings: the settings the flight would run with on this machine,
// built as the start-up builds them (default-settings text, then the stored
// values, then the derived ones); qvtool settings set NAME VALUE stores one
// value in the user's settings file.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "assets/resources.h"
#include "settings/default_settings.h"
#include "settings/display_settings.h"
#include "settings/file_settings_store.h"
#include "settings/settings_rules.h"
#include "settings/stored_settings.h"
#include "tools/qvtool/archive_source.h"
#include "tools/qvtool/commands.h"
#include "tools/qvtool/settings_support.h"

namespace {

void PrintSettings(const Settings& s, const ViewAspect& aspect) {
  const std::pair<const char*, bool> flags[] = {
      {"EnableMusic", s.EnableMusic}, {"ShowClock", s.ShowClock}, {"ShowFlame", s.ShowFlame},
      {"ShowFPS", s.ShowFPS},         {"VSync", s.VSync},         {"UseDesktop", s.UseDesktop},
      {"Galaxy", s.Galaxy},           {"MouseExit", s.MouseExit}, {"DefGamma", s.DefGamma},
      {"WideScreen", s.WideScreen},   {"MultiTexture", s.MultiTexture}, {"Hrs12", s.Hrs12},
  };
  for (auto [name, value] : flags) std::printf("%s=%d\n", name, value ? 1 : 0);
  const std::pair<const char*, int32_t> numbers[] = {
      {"ViewPortBottom", s.ViewPortBottom}, {"ViewPortTop", s.ViewPortTop},
      {"ViewPortHeight", s.ViewPortHeight}, {"Volume", s.Volume},
      {"Gamma", s.Gamma},                   {"TimeScale", s.TimeScale},
      {"Width", s.Width},                   {"Height", s.Height},
      {"Depth", s.Depth},                   {"FrameLimit", s.FrameLimit},
  };
  for (auto [name, value] : numbers) std::printf("%s=%d\n", name, int(value));
  std::printf("AspectRatio=%.8g\nAspectScale=%.8g\n", aspect.AspectRatio, aspect.AspectScale);
}

int ShowEffective() {
  StderrMessages messages;
  DefaultSettingsTable table;
  DiscardedDiagnostics noArchive;
  const Resources resources(BuiltInResources(), noArchive);
  if (!LoadDefaultSettingsText(table, resources, messages)) {
    std::fprintf(stderr,
                 "qvtool settings: this build has no built-in default settings (resource %d), "
                 "so the effective settings cannot be shown\n",
                 DefaultSettingsResourceId);
    return 1;
  }
  Settings settings;
  ApplyDefaults(settings, table, messages);
  std::string path = DefaultSettingsFilePath();
  if (path.empty()) {
    std::fprintf(stderr, "qvtool settings: neither XDG_CONFIG_HOME nor HOME is set; no stored values\n");
  } else {
    std::fprintf(stderr, "qvtool settings: stored values from %s\n", path.c_str());
    FileSettingsStore store(path);
    LoadSettings(settings, store);
  }
  std::fprintf(stderr, "qvtool settings: no display information; the desktop mode is not applied\n");
  ViewAspect aspect;
  ApplyViewport(settings, aspect);
  PrintSettings(settings, aspect);
  return 0;
}

// A decimal 32-bit value, signed or unsigned; false for anything else.
bool ParseValue(const char* text, uint32_t& value) {
  char* end = nullptr;
  errno = 0;
  long long number = std::strtoll(text, &end, 10);
  if (errno || end == text || *end || number < INT32_MIN || number > int64_t(UINT32_MAX)) return false;
  value = uint32_t(number);
  return true;
}

int StoreOne(const char* requested, const char* text) {
  const char* name = FindStoredSettingName(requested);
  if (!name) {
    std::string known;
    for (size_t i = 0; i < StoredSettingCount; ++i) known += std::string(" ") + StoredSettingName(i);
    std::fprintf(stderr, "qvtool settings set: '%s' is not a stored setting; the stored ones are:%s\n",
                 requested, known.c_str());
    return 2;
  }
  uint32_t value = 0;
  if (!ParseValue(text, value)) {
    std::fprintf(stderr, "qvtool settings set: '%s' is not a whole number (booleans are 0 or 1)\n", text);
    return 2;
  }
  StoredSettingRule rule = RuleOfStoredSetting(name);
  if (!rule.Allows(int32_t(value))) {
    std::fprintf(stderr, "qvtool settings set: %s must be %s, not %s; nothing stored\n", name,
                 rule.Describe().c_str(), text);
    return 2;
  }
  FileSettingsStore store(DefaultSettingsFilePath());
  bool stored = store.Open(SettingsStore::Access::Write);
  if (stored) {
    store.Write(name, value);
    stored = store.Close();
  }
  if (!stored) {
    std::fprintf(stderr, "qvtool settings set: cannot write the settings file '%s'\n", store.path().c_str());
    return 1;
  }
  return 0;
}

}  // namespace

int RunSettings(int argc, char** argv) {
  if (argc == 1) return ShowEffective();
  if (argc == 4 && std::string(argv[1]) == "set") return StoreOne(argv[2], argv[3]);
  std::fprintf(stderr, "usage: qvtool settings\n       qvtool settings set NAME VALUE\n");
  return 2;
}
