// The start-up steps that derive settings from the display, run after the
// stored values are loaded: first the desktop mode, then the viewport.
#pragma once
#include "base/platform_types.h"
#include "settings/settings.h"

// With UseDesktop set, Width, Height and Depth become the desktop's current
// mode. Without it, a size or depth the display cannot sensibly run (see
// settings_rules.h) is replaced by the desktop's too. desktop is null when
// there is no display information; the record then stays as it is.
void ApplyDesktopMode(Settings& settings, const DisplayMode* desktop);

// The GL viewport rows from Height: in wide-screen mode black bands bring
// the picture to 16:9 (bands of one eighth on 4:3 displays and narrower
// ones, none on 16:9 and wider), otherwise the whole height. AspectScale is 0.9 in wide-screen mode, else 1.0;
// AspectRatio = AspectScale x Width / ViewPortHeight, so the picture is
// never stretched (4:3 displays give 1.6 and 1.3333334).
void ApplyViewport(Settings& settings, ViewAspect& aspect);
