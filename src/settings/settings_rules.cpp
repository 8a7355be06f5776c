#include "settings/settings_rules.h"

#include <algorithm>

void ClampSettingValues(Settings& settings) {
  settings.Gamma = std::clamp(settings.Gamma, 0, 100);
  settings.Volume = std::clamp(settings.Volume, 0, 100);
  if (uint32_t(settings.TimeScale) > 3) settings.TimeScale = 0;
}

bool IsUsableDisplaySize(int32_t width, int32_t height) {
  return width >= 320 && width <= 16384 && height >= 200 && height <= 16384;
}

bool IsUsableDepth(int32_t depth) { return depth == 16 || depth == 24 || depth == 32; }
