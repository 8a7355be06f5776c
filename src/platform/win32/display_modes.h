// Display modes through EnumDisplaySettingsA / ChangeDisplaySettingsA, with
// the 148-byte mode record of the classic interface.
#pragma once
#include "platform/platform.h"
#include "platform/win32/win32_api.h"

// Mode number index of the device (null: the primary display), or its
// current mode with ENUM_CURRENT_SETTINGS. False past the last mode.
bool ReadDisplayMode(const char* device, DWORD index, DisplayMode& mode);

// A temporary full-screen switch of the primary display; the result is not
// checked. RestoreRegistryDisplayMode puts the stored mode back.
void SwitchDisplayMode(int width, int height, int bitsPerPixel);
void RestoreRegistryDisplayMode();
