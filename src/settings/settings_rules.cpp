#include "settings/settings_rules.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {
constexpr StoredSettingRule Percent{0, 100};
constexpr StoredSettingRule TimeScaleRule{0, 3};
constexpr StoredSettingRule WidthRule{320, 16384};
constexpr StoredSettingRule HeightRule{200, 16384};
constexpr StoredSettingRule DepthRule{16, 32, true};
constexpr StoredSettingRule FrameLimitRule{0, 1000};  // 0: the display's rate
constexpr StoredSettingRule Boolean{0, 1};
}  // namespace

bool StoredSettingRule::Allows(int32_t value) const {
  if (value < min || value > max) return false;
  return !depth || value == 16 || value == 24 || value == 32;
}

std::string StoredSettingRule::Describe() const {
  if (depth) return "16, 24 or 32";
  return std::to_string(min) + " to " + std::to_string(max);
}

StoredSettingRule RuleOfStoredSetting(const char* storedName) {
  const std::pair<const char*, StoredSettingRule> numbers[] = {
      {"Volume", Percent}, {"Gamma", Percent},     {"TimeScale", TimeScaleRule},
      {"Width", WidthRule}, {"Height", HeightRule}, {"Depth", DepthRule},
      {"FrameLimit", FrameLimitRule},
  };
  for (const auto& [name, rule] : numbers)
    if (std::strcmp(name, storedName) == 0) return rule;
  return Boolean;
}

void ClampSettingValues(Settings& settings) {
  settings.Gamma = std::clamp(settings.Gamma, Percent.min, Percent.max);
  settings.Volume = std::clamp(settings.Volume, Percent.min, Percent.max);
  if (uint32_t(settings.TimeScale) > uint32_t(TimeScaleRule.max)) settings.TimeScale = 0;
  if (!FrameLimitRule.Allows(settings.FrameLimit)) settings.FrameLimit = 0;
}

bool IsUsableDisplaySize(int32_t width, int32_t height) {
  return WidthRule.Allows(width) && HeightRule.Allows(height);
}

bool IsUsableDepth(int32_t depth) { return DepthRule.Allows(depth); }
