// The two flat drawing spaces that temporarily replace the 3D projection.
// Overlay space: x 0..800, y 0..600 (y up) over the whole window, letterbox
// bands included. Pixel space: window pixels over the picture rows only
// (x 0..Width, y ViewPortBottom..ViewPortTop). Enter and leave in pairs;
// leaving turns depth test and lighting on again whatever they were before.
#pragma once
#include "settings/settings.h"

// The extent of overlay space, whatever the window's size.
inline constexpr float OverlayWidth = 800;
inline constexpr float OverlayHeight = 600;

void BeginOverlay2D(const Settings& settings);
void EndOverlay2D(const Settings& settings);
void BeginPixelOverlay(const Settings& settings);
void EndPixelOverlay();
