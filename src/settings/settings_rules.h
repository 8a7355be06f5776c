// The ranges the flight relies on, in one place. Every value that enters the
// live record from the default-settings text or the settings store passes
// ClampSettingValues; the display size and depth are checked by the desktop
// step, where the desktop mode can stand in for them. Tools that store a
// value refuse one outside StoredSettingRule.
#pragma once
#include <cstdint>
#include <string>

#include "settings/settings.h"

// The values a stored setting is taken at as it stands: booleans 0..1,
// Volume and Gamma 0..100, TimeScale 0..3, Width 320..16384, Height
// 200..16384, Depth 16, 24 or 32, FrameLimit 0..1000. Names as stored (see
// stored_settings.h).
struct StoredSettingRule {
  int32_t min = 0, max = 1;
  bool depth = false;  // only 16, 24 and 32 within min..max
  bool Allows(int32_t value) const;
  std::string Describe() const;  // "0 to 100", "16, 24 or 32"
};
StoredSettingRule RuleOfStoredSetting(const char* storedName);

// Gamma and Volume into their range (a gamma outside it inverts or flattens
// the ramp); TimeScale outside its range (compared unsigned, as the dialog's
// "no selection" -1 is stored) becomes 0, and so does a FrameLimit outside
// its range (a huge one would leave the loop unpaced).
void ClampSettingValues(Settings& settings);

bool IsUsableDisplaySize(int32_t width, int32_t height);
bool IsUsableDepth(int32_t depth);
