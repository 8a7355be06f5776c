// The ranges the flight relies on, in one place. Every value that enters the
// live record from the default-settings text or the settings store passes
// ClampSettingValues; the display size and depth are checked by the desktop
// step, where the desktop mode can stand in for them.
#pragma once
#include <cstdint>

#include "settings/settings.h"

// Gamma and Volume into 0..100 (a gamma outside it inverts or flattens the
// ramp); TimeScale outside 0..3 (compared unsigned, as the dialog's "no
// selection" -1 is stored) becomes 0.
void ClampSettingValues(Settings& settings);

// 320..16384 by 200..16384 pixels.
bool IsUsableDisplaySize(int32_t width, int32_t height);
// 16, 24 or 32 bits per pixel.
bool IsUsableDepth(int32_t depth);
