// The control panel's preview: a child window of the host's preview area
// ("QVSSPreview") that shows the still bitmap 118 at its top-left on black,
// until the host destroys it. No OpenGL, no music.
#pragma once
#include <cstdint>

#include "platform/win32/win32_api.h"

// parent is the window handle from the command line. 1 when the window ran,
// 0 when it could not be created (after a message box saying so).
int RunPreview(HINSTANCE instance, int showCommand, uint32_t parent);
