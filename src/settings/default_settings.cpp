#include "settings/default_settings.h"

#include "assets/resources.h"
#include "base/ascii.h"
#include "settings/settings_rules.h"

namespace {

// "неправильный формат файла def_settings.txt" in Windows-1251.
const char* const MalformedLineText =
    "\xED\xE5\xEF\xF0\xE0\xE2\xE8\xEB\xFC\xED\xFB\xE9 \xF4\xEE\xF0\xEC\xE0\xF2 "
    "\xF4\xE0\xE9\xEB\xE0 def_settings.txt";
// "Не найден параметр в файле def_settings.txt" in Windows-1251.
const char* const MissingNameText =
    "\xCD\xE5 \xED\xE0\xE9\xE4\xE5\xED \xEF\xE0\xF0\xE0\xEC\xE5\xF2\xF0 \xE2 "
    "\xF4\xE0\xE9\xEB\xE5 def_settings.txt";

std::string Lowered(std::string text) {
  for (char& c : text) c = LowerAscii(c);
  return text;
}

// The C library's atoi rule on text without blanks, saturated instead of
// undefined when the number does not fit.
int32_t LeadingInt(const std::string& text) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  int64_t number = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    number = number * 10 + (text[i] - '0');
    if (number > int64_t(INT32_MAX) + 1) number = int64_t(INT32_MAX) + 1;
  }
  if (negative) number = -number;
  return number > INT32_MAX ? INT32_MAX : int32_t(number);
}

}  // namespace

void DefaultSettingsTable::Parse(const uint8_t* data, size_t size, MessageSink& messages) {
  pairs_.clear();
  size_t position = 0;
  while (position < size && pairs_.size() < Capacity) {
    std::string rest;
    for (; position < size && data[position] != '\r'; ++position) {
      if (int8_t(data[position]) > 32) rest += char(data[position]);
    }
    if (position < size) ++position;  // the CR
    if (position < size && data[position] == '\n') ++position;
    rest = rest.substr(0, rest.find(';'));
    if (rest.empty()) continue;
    size_t equals = rest.find('=');
    if (equals == std::string::npos) {
      messages.ShowMessage(MalformedLineText, "");
      pairs_.push_back({rest, rest});
    } else {
      pairs_.push_back({rest.substr(0, equals), rest.substr(equals + 1)});
    }
  }
}

std::string DefaultSettingsTable::LookupDefault(const char* name, MessageSink& messages) const {
  for (const Pair& pair : pairs_) {
    if (EqualIgnoringAsciiCase(pair.name, name)) return Lowered(pair.value);
  }
  messages.ShowMessage(MissingNameText, Lowered(name).c_str());
  return {};
}

bool DefaultSettingsTable::HasDefault(const char* name) const {
  for (const Pair& pair : pairs_) {
    if (EqualIgnoringAsciiCase(pair.name, name)) return true;
  }
  return false;
}

int32_t DefaultSettingsTable::ReadDefaultInt(const char* name, MessageSink& messages) const {
  std::string value = LookupDefault(name, messages);
  if (value == "true") return 1;
  if (value == "false") return 0;
  return LeadingInt(value);
}

bool LoadDefaultSettingsText(DefaultSettingsTable& table, const Resources& resources, MessageSink& messages) {
  ResourceBytes bytes = resources.Find(DefaultSettingsResourceId);
  table.Parse(bytes.data, bytes.found ? bytes.size : 0, messages);
  return bytes.found;
}

void ApplyDefaults(Settings& settings, const DefaultSettingsTable& table, MessageSink& messages) {
  auto number = [&](const char* name) { return table.ReadDefaultInt(name, messages); };
  auto flag = [&](const char* name) { return table.ReadDefaultInt(name, messages) != 0; };
  settings.Width = number("MW");
  settings.Height = number("MH");
  settings.Depth = number("MBitCount");
  settings.EnableMusic = flag("Music");
  settings.Volume = number("MusicVolume");
  settings.ShowClock = flag("ShowTime");
  settings.Hrs12 = flag("DigClock_24H");
  int32_t gamma = number("GammControl");
  settings.Gamma = gamma < INT32_MIN + 50 ? INT32_MIN : gamma - 50;  // clamped below
  settings.DefGamma = flag("DefGamma");
  settings.WideScreen = flag("WideScreen");
  settings.MouseExit = flag("ExitOnMouseMove");
  settings.ShowFPS = flag("ShowFPS");
  settings.UseDesktop = flag("UseDktpSet");
  settings.Galaxy = flag("GalaxyScene");
  settings.TimeScale = number("TimeScale");
  // Texts written before anti-aliasing was read lack the name: then it is on.
  settings.FSAA = !table.HasDefault("FSAA") || flag("FSAA");
  ClampSettingValues(settings);
}

Settings MakeDefaultSettings(const Settings& live, const DefaultSettingsTable& table,
                             MessageSink& messages) {
  Settings defaults = live;
  ApplyDefaults(defaults, table, messages);
  return defaults;
}
