// ScreenRescue: puts the screen back when the saver ends abnormally. The
// platform tells it the gamma ramp found before its first change and whether
// a display mode is switched; an unhandled exception, a console close or
// logoff/shutdown event, or the end of the session then restores both before
// the process dies as it would have. Process-wide by nature: the exception
// filter and the console handler have no object to reach.
#pragma once
#include <cstdint>

namespace screen_rescue {

// Installs the exception filter and the console handler; once, at start.
void Install();
// The ramp the screen had before the saver's first change (kept only once).
void KeepOriginalGammaRamp(const uint16_t (&ramp)[768]);
void DisplayModeSwitched(bool switched);
// Restores what was changed and forgets it; safe to call again.
void RestoreScreen();

}  // namespace screen_rescue
